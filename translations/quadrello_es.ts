<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BoardView</name>
    <message>
        <source>%1x%1 board</source>
        <translation>Tablero de %1x%1</translation>
    </message>
    <message>
        <source>Empty box</source>
        <translation>Casilla vacía</translation>
    </message>
    <message>
        <source>Tile %1</source>
        <translation>Pieza %1</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1, not in place</source>
        <translation>%1, fuera de su sitio</translation>
    </message>
</context>
<context>
    <name>LoadPic</name>
    <message>
        <source>All Supported Files |*.jpg;*.bmp;*.jpeg;*.gif|Jpg File   (*.jpg)|*.jpg|BitMap File(*.bmp)|*.bmp|Jpeg File  (*.jpeg)|*.jpeg|Gif File   (*.gif)|*.gif</source>
        <translation>Todas las imágenes compatibles |*.jpg;*.bmp;*.jpeg;*.gif|Archivo JPG   (*.jpg)|*.jpg|Archivo BMP(*.bmp)|*.bmp|Archivo JPEG  (*.jpeg)|*.jpeg|Archivo GIF   (*.gif)|*.gif</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Quadrello</source>
        <translation>Acerca de Quadrello</translation>
    </message>
    <message>
        <source>QuAdReLlO</source>
        <translation>QuAdReLlO</translation>
    </message>
    <message>
        <source> Version : 1.00.00</source>
        <translation> Versión : 1.00.00</translation>
    </message>
    <message>
        <source>Quadrello, a sliding-tile picture puzzle.
Free to play, copy and share.
It comes with no warranty of any kind.</source>
        <translation>Quadrello, un rompecabezas deslizante de imágenes.
Libre para jugar, copiar y compartir.
Sin garantía de ningún tipo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Quadrello</source>
        <translation>Quadrello</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>        </source>
        <translation>        </translation>
    </message>
    <message>
        <source> -How to Play?</source>
        <translation> -¿Cómo se juega?</translation>
    </message>
    <message>
        <source> Quadrello is played like a jigsaw puzzle,</source>
        <translation> Quadrello se juega como un rompecabezas,</translation>
    </message>
    <message>
        <source> but its boxes can be numbered or</source>
        <translation> pero sus casillas pueden estar numeradas</translation>
    </message>
    <message>
        <source> unnumbered. First load an image, then</source>
        <translation> o no. Primero carga una imagen y luego</translation>
    </message>
    <message>
        <source> scramble it. Slide the pieces with the</source>
        <translation> mézclala. Desliza las piezas con las</translation>
    </message>
    <message>
        <source> arrow keys into the empty box, one move</source>
        <translation> flechas hasta la casilla vacía, de una</translation>
    </message>
    <message>
        <source> at a time, until the whole image is</source>
        <translation> en una, hasta recomponer toda la</translation>
    </message>
    <message>
        <source> unscrambled. The easy way is to sort the</source>
        <translation> imagen. Lo más fácil es ordenar las</translation>
    </message>
    <message>
        <source> pieces row by row, from left to right,</source>
        <translation> piezas fila por fila, de izquierda a</translation>
    </message>
    <message>
        <source> until only the last two rows remain; then</source>
        <translation> derecha, hasta que solo queden las dos</translation>
    </message>
    <message>
        <source> sort those two rows together. The object</source>
        <translation> últimas filas; después, ordena esas dos</translation>
    </message>
    <message>
        <source> is to unscramble the image in the fewest</source>
        <translation> filas a la vez. El objetivo es recomponer</translation>
    </message>
    <message>
        <source> moves. The image can be split in three</source>
        <translation> la imagen en el menor número de</translation>
    </message>
    <message>
        <source> modes: choose 3x3, 4x4 or 5x5 in the</source>
        <translation> jugadas. Se puede dividir de tres modos:</translation>
    </message>
    <message>
        <source> preferences. All three modes can be</source>
        <translation> elige 3x3, 4x4 o 5x5 en las</translation>
    </message>
    <message>
        <source> played at the same time; switching</source>
        <translation> preferencias. Los tres se juegan a la</translation>
    </message>
    <message>
        <source> between them keeps each mode&apos;s moves and</source>
        <translation> vez, y cada uno guarda sus jugadas y</translation>
    </message>
    <message>
        <source> time. The real fun is to play unnumbered</source>
        <translation> su tiempo. Lo más divertido es jugar sin</translation>
    </message>
    <message>
        <source> and to view the real image only once.</source>
        <translation> números y mirar la imagen una sola vez.</translation>
    </message>
    <message>
        <source> Enjoy!</source>
        <translation> ¡Que te diviertas!</translation>
    </message>
    <message>
        <source> -Keys&apos; functions:</source>
        <translation> -Funciones de las teclas:</translation>
    </message>
    <message>
        <source> Arrow keys- To move the pieces up, down, right, or left.</source>
        <translation> Flechas       - Mover las piezas en las cuatro direcciones.</translation>
    </message>
    <message>
        <source> Load Pic     - To load an image, shortcut Alt+L.  </source>
        <translation> Cargar        - Cargar una imagen, atajo Alt+C.  </translation>
    </message>
    <message>
        <source> Scramble    - To scramble the image, shortcut S.</source>
        <translation> Mezclar       - Mezclar la imagen, tecla S.</translation>
    </message>
    <message>
        <source> UnSorted   - To detect the unsorted image pieces, </source>
        <translation> Mal puestas - Marcar las piezas fuera de su sitio, </translation>
    </message>
    <message>
        <source>                      &apos;UnSorted&apos; button.</source>
        <translation>                      botón «Mal puestas».</translation>
    </message>
    <message>
        <source> Set            - For unscrambling the image, shortcut T.</source>
        <translation> Resolver     - Ordenar la imagen, tecla T.</translation>
    </message>
    <message>
        <source> viewPic      - For viewinig the original image.  Keep the </source>
        <translation> Ver              - Ver la imagen completa. Mantener </translation>
    </message>
    <message>
        <source>                      button &apos;viewPic&apos; pressed for </source>
        <translation>                      pulsado el botón «Ver» para </translation>
    </message>
    <message>
        <source>                      viewing.</source>
        <translation>                      verla.</translation>
    </message>
    <message>
        <source> Halt          - To pause, shortcut H.</source>
        <translation> Pausa         - Hacer una pausa, tecla H.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Quadrello</source>
        <translation>Quadrello</translation>
    </message>
</context>
<context>
    <name>frmcolor</name>
    <message>
        <source>Change Colors</source>
        <translation>Cambiar colores</translation>
    </message>
    <message>
        <source>Select the colors</source>
        <translation>Elige los colores</translation>
    </message>
    <message>
        <source>Color of the Numbers:</source>
        <translation>Color de los números:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Background color:</source>
        <translation>Color de fondo:</translation>
    </message>
    <message>
        <source>Empty box color:</source>
        <translation>Casilla vacía:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Select a Color</source>
        <translation>Elige un color</translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation>Rojo %1, verde %2, azul %3</translation>
    </message>
</context>
<context>
    <name>frmmain</name>
    <message>
        <source>Quadrello</source>
        <translation>Quadrello</translation>
    </message>
    <message>
        <source>Moves :</source>
        <translation>Jugadas :</translation>
    </message>
    <message>
        <source>Time :</source>
        <translation>Tiempo :</translation>
    </message>
    <message>
        <source>&amp;Load Pic</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>ViewPic</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Keep Pressed</source>
        <translation>Mantener pulsado</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>UnSorted</source>
        <translation>Mal puestas</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;S&quot; </source>
        <translation>Atajo: tecla S </translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;H&quot;</source>
        <translation>Atajo: tecla H</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;T&quot;</source>
        <translation>Atajo: tecla T</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Set &amp;Color</source>
        <translation>Co&amp;lores</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>Grid ON</source>
        <translation>Rejilla SÍ</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;G&quot;</source>
        <translation>Atajo: tecla G</translation>
    </message>
    <message>
        <source>Numbered</source>
        <translation>Numeradas</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;N&quot;</source>
        <translation>Atajo: tecla N</translation>
    </message>
    <message>
        <source>Enable Auto Scramble</source>
        <translation>Mezcla automática</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Puntuaciones</translation>
    </message>
    <message>
        <source>Short&amp;Cuts </source>
        <translation>A&amp;tajos </translation>
    </message>
    <message>
        <source>Scramble            S</source>
        <translation>Mezclar              S</translation>
    </message>
    <message>
        <source>GridOff               G</source>
        <translation>Sin rejilla            G</translation>
    </message>
    <message>
        <source>UnNumber         N</source>
        <translation>Sin números      N</translation>
    </message>
    <message>
        <source>Set                     T</source>
        <translation>Resolver            T</translation>
    </message>
    <message>
        <source>Halt                    H             </source>
        <translation>Pausa                H             </translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;How &amp;to....</source>
        <translation>&amp;Cómo se juega....</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>UN-Numbered</source>
        <translation>Sin números</translation>
    </message>
    <message>
        <source>Grid OFF</source>
        <translation>Rejilla NO</translation>
    </message>
    <message>
        <source>Select A Pic</source>
        <translation>Elige una imagen</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Borde</translation>
    </message>
    <message>
        <source>Picture loaded</source>
        <translation>Imagen cargada</translation>
    </message>
    <message>
        <source>Set in order</source>
        <translation>Ordenado</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Mezclado</translation>
    </message>
    <message>
        <source>Halted</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Reanudado</translation>
    </message>
    <message>
        <source>Moves: %1, seconds: %2, tiles in place: %3 of %4</source>
        <translation>Jugadas: %1, segundos: %2, piezas en su sitio: %3 de %4</translation>
    </message>
    <message>
        <source>Tile %1, row %2, column %3</source>
        <translation>Pieza %1, fila %2, columna %3</translation>
    </message>
</context>
<context>
    <name>frmpic</name>
    <message>
        <source>Whole picture</source>
        <translation>Imagen completa</translation>
    </message>
</context>
<context>
    <name>frmprefer</name>
    <message>
        <source>Select the splitting</source>
        <translation>Elige la división</translation>
    </message>
    <message>
        <source>Splittings Options</source>
        <translation>Divisiones</translation>
    </message>
    <message>
        <source>3x3</source>
        <translation>3x3</translation>
    </message>
    <message>
        <source>4x4</source>
        <translation>4x4</translation>
    </message>
    <message>
        <source>5x5</source>
        <translation>5x5</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>frmscore</name>
    <message>
        <source> Game Over</source>
        <translation> Fin de la partida</translation>
    </message>
    <message>
        <source>Number of Moves :</source>
        <translation>Jugadas :</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Time Taken :</source>
        <translation>Tiempo :</translation>
    </message>
    <message>
        <source>&amp;Play Again</source>
        <translation>&amp;Jugar otra vez</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Least Moves</source>
        <translation>Menos jugadas</translation>
    </message>
    <message>
        <source>Enter Name :</source>
        <translation>Tu nombre :</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>frmtopscores</name>
    <message>
        <source>Top Least Moves</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>3x3</source>
        <translation>3x3</translation>
    </message>
    <message>
        <source>4x4</source>
        <translation>4x4</translation>
    </message>
    <message>
        <source>5x5</source>
        <translation>5x5</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Top 5x5 Least Moves</source>
        <translation>5x5: menos jugadas</translation>
    </message>
    <message>
        <source>Top 4x4 Least Moves</source>
        <translation>4x4: menos jugadas</translation>
    </message>
    <message>
        <source>Top 3x3 Least Moves</source>
        <translation>3x3: menos jugadas</translation>
    </message>
    <message>
        <source>  Names                                Moves</source>
        <translation>  Nombres                             Jugadas</translation>
    </message>
    <message>
        <source>%1)  None</source>
        <translation>%1)  Nadie</translation>
    </message>
    <message>
        <source>[                    ]</source>
        <translation>[                    ]</translation>
    </message>
    <message>
        <source>%1) %2</source>
        <translation>%1) %2</translation>
    </message>
    <message>
        <source>       %1</source>
        <translation>       %1</translation>
    </message>
</context>
</TS>
