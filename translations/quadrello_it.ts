<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BoardView</name>
    <message>
        <source>%1x%1 board</source>
        <translation>Griglia %1x%1</translation>
    </message>
    <message>
        <source>Empty box</source>
        <translation>Casella vuota</translation>
    </message>
    <message>
        <source>Tile %1</source>
        <translation>Tessera %1</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Riga %1, colonna %2</translation>
    </message>
    <message>
        <source>%1, not in place</source>
        <translation>%1, fuori posto</translation>
    </message>
</context>
<context>
    <name>LoadPic</name>
    <message>
        <source>All Supported Files |*.jpg;*.bmp;*.jpeg;*.gif|Jpg File   (*.jpg)|*.jpg|BitMap File(*.bmp)|*.bmp|Jpeg File  (*.jpeg)|*.jpeg|Gif File   (*.gif)|*.gif</source>
        <translation>Tutte le immagini supportate |*.jpg;*.bmp;*.jpeg;*.gif|File JPG   (*.jpg)|*.jpg|File BMP(*.bmp)|*.bmp|File JPEG  (*.jpeg)|*.jpeg|File GIF   (*.gif)|*.gif</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Quadrello</source>
        <translation>Informazioni su Quadrello</translation>
    </message>
    <message>
        <source>QuAdReLlO</source>
        <translation>QuAdReLlO</translation>
    </message>
    <message>
        <source> Version : 1.00.00</source>
        <translation> Versione : 1.00.00</translation>
    </message>
    <message>
        <source>Quadrello, a sliding-tile picture puzzle.
Free to play, copy and share.
It comes with no warranty of any kind.</source>
        <translation>Quadrello, un gioco del quindici con le immagini.
Libero da giocare, copiare e condividere.
Senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Argomenti della guida</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>        </source>
        <translation>        </translation>
    </message>
    <message>
        <source> -How to Play?</source>
        <translation> -Come si gioca?</translation>
    </message>
    <message>
        <source> Quadrello is played like a jigsaw puzzle,</source>
        <translation> Quadrello si gioca come un puzzle, ma le</translation>
    </message>
    <message>
        <source> but its boxes can be numbered or</source>
        <translation> sue caselle possono essere numerate o</translation>
    </message>
    <message>
        <source> unnumbered. First load an image, then</source>
        <translation> no. Prima carica un’immagine, poi</translation>
    </message>
    <message>
        <source> scramble it. Slide the pieces with the</source>
        <translation> mescolala. Fai scorrere le tessere con</translation>
    </message>
    <message>
        <source> arrow keys into the empty box, one move</source>
        <translation> le frecce nella casella vuota, una mossa</translation>
    </message>
    <message>
        <source> at a time, until the whole image is</source>
        <translation> alla volta, finché l’immagine non è</translation>
    </message>
    <message>
        <source> unscrambled. The easy way is to sort the</source>
        <translation> ricomposta. Il modo più semplice è</translation>
    </message>
    <message>
        <source> pieces row by row, from left to right,</source>
        <translation> ordinare le tessere riga per riga, da</translation>
    </message>
    <message>
        <source> until only the last two rows remain; then</source>
        <translation> sinistra a destra, finché restano solo le</translation>
    </message>
    <message>
        <source> sort those two rows together. The object</source>
        <translation> ultime due righe; poi si ordinano insieme</translation>
    </message>
    <message>
        <source> is to unscramble the image in the fewest</source>
        <translation> quelle due righe. Lo scopo è ricomporre</translation>
    </message>
    <message>
        <source> moves. The image can be split in three</source>
        <translation> l’immagine con il minor numero di</translation>
    </message>
    <message>
        <source> modes: choose 3x3, 4x4 or 5x5 in the</source>
        <translation> mosse. L’immagine si divide in tre modi:</translation>
    </message>
    <message>
        <source> preferences. All three modes can be</source>
        <translation> scegli 3x3, 4x4 o 5x5 nelle</translation>
    </message>
    <message>
        <source> played at the same time; switching</source>
        <translation> preferenze. Si giocano tutti e tre</translation>
    </message>
    <message>
        <source> between them keeps each mode&apos;s moves and</source>
        <translation> insieme, e ognuno conserva mosse e tempo.</translation>
    </message>
    <message>
        <source> time. The real fun is to play unnumbered</source>
        <translation> Il bello è giocare senza numeri e</translation>
    </message>
    <message>
        <source> and to view the real image only once.</source>
        <translation> guardare l’immagine una volta sola.</translation>
    </message>
    <message>
        <source> Enjoy!</source>
        <translation> Buon divertimento!</translation>
    </message>
    <message>
        <source> -Keys&apos; functions:</source>
        <translation> -A cosa servono i tasti:</translation>
    </message>
    <message>
        <source> Arrow keys- To move the pieces up, down, right, or left.</source>
        <translation> Frecce        - Spostare le tessere nelle quattro direzioni.</translation>
    </message>
    <message>
        <source> Load Pic     - To load an image, shortcut Alt+L.  </source>
        <translation> Carica        - Caricare un’immagine, tasto rapido Alt+C.  </translation>
    </message>
    <message>
        <source> Scramble    - To scramble the image, shortcut S.</source>
        <translation> Mescola      - Mescolare l’immagine, tasto S.</translation>
    </message>
    <message>
        <source> UnSorted   - To detect the unsorted image pieces, </source>
        <translation> Fuori posto - Segnare le tessere fuori posto, </translation>
    </message>
    <message>
        <source>                      &apos;UnSorted&apos; button.</source>
        <translation>                      pulsante «Fuori posto».</translation>
    </message>
    <message>
        <source> Set            - For unscrambling the image, shortcut T.</source>
        <translation> Risolvi       - Rimettere in ordine l’immagine, tasto T.</translation>
    </message>
    <message>
        <source> viewPic      - For viewinig the original image.  Keep the </source>
        <translation> Guarda       - Vedere l’immagine intera. Tenere </translation>
    </message>
    <message>
        <source>                      button &apos;viewPic&apos; pressed for </source>
        <translation>                      premuto il pulsante «Guarda» per </translation>
    </message>
    <message>
        <source>                      viewing.</source>
        <translation>                      vederla.</translation>
    </message>
    <message>
        <source> Halt          - To pause, shortcut H.</source>
        <translation> Pausa         - Mettere in pausa, tasto H.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
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
        <translation>Cambia i colori</translation>
    </message>
    <message>
        <source>Select the colors</source>
        <translation>Scegli i colori</translation>
    </message>
    <message>
        <source>Color of the Numbers:</source>
        <translation>Colore dei numeri:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Background color:</source>
        <translation>Colore dello sfondo:</translation>
    </message>
    <message>
        <source>Empty box color:</source>
        <translation>Casella vuota:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predefiniti</translation>
    </message>
    <message>
        <source>Select a Color</source>
        <translation>Scegli un colore</translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation>Rosso %1, verde %2, blu %3</translation>
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
        <translation>Mosse :</translation>
    </message>
    <message>
        <source>Time :</source>
        <translation>Tempo :</translation>
    </message>
    <message>
        <source>&amp;Load Pic</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>ViewPic</source>
        <translation>Guarda</translation>
    </message>
    <message>
        <source>Keep Pressed</source>
        <translation>Tieni premuto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>UnSorted</source>
        <translation>Fuori posto</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mescola</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;S&quot; </source>
        <translation>Tasto rapido: S </translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;H&quot;</source>
        <translation>Tasto rapido: H</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;T&quot;</source>
        <translation>Tasto rapido: T</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Set &amp;Color</source>
        <translation>C&amp;olori</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferenze</translation>
    </message>
    <message>
        <source>Grid ON</source>
        <translation>Griglia SÌ</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;G&quot;</source>
        <translation>Tasto rapido: G</translation>
    </message>
    <message>
        <source>Numbered</source>
        <translation>Numerate</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;N&quot;</source>
        <translation>Tasto rapido: N</translation>
    </message>
    <message>
        <source>Enable Auto Scramble</source>
        <translation>Mescolata automatica</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Punteggi</translation>
    </message>
    <message>
        <source>Short&amp;Cuts </source>
        <translation>&amp;Tasti rapidi </translation>
    </message>
    <message>
        <source>Scramble            S</source>
        <translation>Mescola             S</translation>
    </message>
    <message>
        <source>GridOff               G</source>
        <translation>Senza griglia      G</translation>
    </message>
    <message>
        <source>UnNumber         N</source>
        <translation>Senza numeri    N</translation>
    </message>
    <message>
        <source>Set                     T</source>
        <translation>Risolvi                T</translation>
    </message>
    <message>
        <source>Halt                    H             </source>
        <translation>Pausa                H             </translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;How &amp;to....</source>
        <translation>&amp;Come si gioca....</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>UN-Numbered</source>
        <translation>Senza numeri</translation>
    </message>
    <message>
        <source>Grid OFF</source>
        <translation>Griglia NO</translation>
    </message>
    <message>
        <source>Select A Pic</source>
        <translation>Scegli un’immagine</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>Picture loaded</source>
        <translation>Immagine caricata</translation>
    </message>
    <message>
        <source>Set in order</source>
        <translation>Riordinato</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Mescolato</translation>
    </message>
    <message>
        <source>Halted</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Ripreso</translation>
    </message>
    <message>
        <source>Moves: %1, seconds: %2, tiles in place: %3 of %4</source>
        <translation>Mosse: %1, secondi: %2, tessere a posto: %3 di %4</translation>
    </message>
    <message>
        <source>Tile %1, row %2, column %3</source>
        <translation>Tessera %1, riga %2, colonna %3</translation>
    </message>
</context>
<context>
    <name>frmpic</name>
    <message>
        <source>Whole picture</source>
        <translation>Immagine intera</translation>
    </message>
</context>
<context>
    <name>frmprefer</name>
    <message>
        <source>Select the splitting</source>
        <translation>Scegli la suddivisione</translation>
    </message>
    <message>
        <source>Splittings Options</source>
        <translation>Suddivisioni</translation>
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
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>frmscore</name>
    <message>
        <source> Game Over</source>
        <translation> Partita finita</translation>
    </message>
    <message>
        <source>Number of Moves :</source>
        <translation>Numero di mosse :</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Time Taken :</source>
        <translation>Tempo impiegato :</translation>
    </message>
    <message>
        <source>&amp;Play Again</source>
        <translation>&amp;Gioca ancora</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Least Moves</source>
        <translation>Meno mosse</translation>
    </message>
    <message>
        <source>Enter Name :</source>
        <translation>Il tuo nome :</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
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
        <translation>Punteggi migliori</translation>
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
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Top 5x5 Least Moves</source>
        <translation>5x5: meno mosse</translation>
    </message>
    <message>
        <source>Top 4x4 Least Moves</source>
        <translation>4x4: meno mosse</translation>
    </message>
    <message>
        <source>Top 3x3 Least Moves</source>
        <translation>3x3: meno mosse</translation>
    </message>
    <message>
        <source>  Names                                Moves</source>
        <translation>  Nomi                                  Mosse</translation>
    </message>
    <message>
        <source>%1)  None</source>
        <translation>%1)  Nessuno</translation>
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
