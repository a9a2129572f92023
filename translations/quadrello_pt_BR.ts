<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>BoardView</name>
    <message>
        <source>%1x%1 board</source>
        <translation>Tabuleiro %1x%1</translation>
    </message>
    <message>
        <source>Empty box</source>
        <translation>Casa vazia</translation>
    </message>
    <message>
        <source>Tile %1</source>
        <translation>Peça %1</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Linha %1, coluna %2</translation>
    </message>
    <message>
        <source>%1, not in place</source>
        <translation>%1, fora do lugar</translation>
    </message>
</context>
<context>
    <name>LoadPic</name>
    <message>
        <source>All Supported Files |*.jpg;*.bmp;*.jpeg;*.gif|Jpg File   (*.jpg)|*.jpg|BitMap File(*.bmp)|*.bmp|Jpeg File  (*.jpeg)|*.jpeg|Gif File   (*.gif)|*.gif</source>
        <translation>Todas as imagens compatíveis |*.jpg;*.bmp;*.jpeg;*.gif|Arquivo JPG   (*.jpg)|*.jpg|Arquivo BMP(*.bmp)|*.bmp|Arquivo JPEG  (*.jpeg)|*.jpeg|Arquivo GIF   (*.gif)|*.gif</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Quadrello</source>
        <translation>Sobre o Quadrello</translation>
    </message>
    <message>
        <source>QuAdReLlO</source>
        <translation>QuAdReLlO</translation>
    </message>
    <message>
        <source> Version : 1.00.00</source>
        <translation> Versão : 1.00.00</translation>
    </message>
    <message>
        <source>Quadrello, a sliding-tile picture puzzle.
Free to play, copy and share.
It comes with no warranty of any kind.</source>
        <translation>Quadrello, um quebra-cabeça deslizante de imagens.
Livre para jogar, copiar e compartilhar.
Sem nenhuma garantia.</translation>
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
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Tópicos da ajuda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>        </source>
        <translation>        </translation>
    </message>
    <message>
        <source> -How to Play?</source>
        <translation> -Como jogar?</translation>
    </message>
    <message>
        <source> Quadrello is played like a jigsaw puzzle,</source>
        <translation> Quadrello se joga como um quebra-cabeça,</translation>
    </message>
    <message>
        <source> but its boxes can be numbered or</source>
        <translation> mas suas casas podem ser numeradas ou</translation>
    </message>
    <message>
        <source> unnumbered. First load an image, then</source>
        <translation> não. Primeiro carregue uma imagem e</translation>
    </message>
    <message>
        <source> scramble it. Slide the pieces with the</source>
        <translation> depois embaralhe. Deslize as peças com</translation>
    </message>
    <message>
        <source> arrow keys into the empty box, one move</source>
        <translation> as setas até a casa vazia, uma jogada</translation>
    </message>
    <message>
        <source> at a time, until the whole image is</source>
        <translation> de cada vez, até a imagem toda voltar</translation>
    </message>
    <message>
        <source> unscrambled. The easy way is to sort the</source>
        <translation> ao lugar. O jeito mais fácil é ordenar</translation>
    </message>
    <message>
        <source> pieces row by row, from left to right,</source>
        <translation> as peças linha por linha, da esquerda</translation>
    </message>
    <message>
        <source> until only the last two rows remain; then</source>
        <translation> para a direita, até sobrarem só as duas</translation>
    </message>
    <message>
        <source> sort those two rows together. The object</source>
        <translation> últimas linhas; depois ordene essas duas</translation>
    </message>
    <message>
        <source> is to unscramble the image in the fewest</source>
        <translation> linhas juntas. O objetivo é montar a</translation>
    </message>
    <message>
        <source> moves. The image can be split in three</source>
        <translation> imagem com o menor número de jogadas.</translation>
    </message>
    <message>
        <source> modes: choose 3x3, 4x4 or 5x5 in the</source>
        <translation> A imagem pode ser dividida de três jeitos:</translation>
    </message>
    <message>
        <source> preferences. All three modes can be</source>
        <translation> escolha 3x3, 4x4 ou 5x5 nas</translation>
    </message>
    <message>
        <source> played at the same time; switching</source>
        <translation> preferências. Os três podem ser jogados</translation>
    </message>
    <message>
        <source> between them keeps each mode&apos;s moves and</source>
        <translation> ao mesmo tempo, e cada um guarda suas</translation>
    </message>
    <message>
        <source> time. The real fun is to play unnumbered</source>
        <translation> jogadas e seu tempo. O mais divertido é</translation>
    </message>
    <message>
        <source> and to view the real image only once.</source>
        <translation> jogar sem números e ver a imagem uma vez só.</translation>
    </message>
    <message>
        <source> Enjoy!</source>
        <translation> Divirta-se!</translation>
    </message>
    <message>
        <source> -Keys&apos; functions:</source>
        <translation> -Para que servem as teclas:</translation>
    </message>
    <message>
        <source> Arrow keys- To move the pieces up, down, right, or left.</source>
        <translation> Setas           - Mover as peças nas quatro direções.</translation>
    </message>
    <message>
        <source> Load Pic     - To load an image, shortcut Alt+L.  </source>
        <translation> Carregar     - Carregar uma imagem, atalho Alt+C.  </translation>
    </message>
    <message>
        <source> Scramble    - To scramble the image, shortcut S.</source>
        <translation> Embaralhar - Embaralhar a imagem, tecla S.</translation>
    </message>
    <message>
        <source> UnSorted   - To detect the unsorted image pieces, </source>
        <translation> Deslocadas  - Marcar as peças fora do lugar, </translation>
    </message>
    <message>
        <source>                      &apos;UnSorted&apos; button.</source>
        <translation>                      botão “Deslocadas”.</translation>
    </message>
    <message>
        <source> Set            - For unscrambling the image, shortcut T.</source>
        <translation> Resolver     - Pôr a imagem em ordem, tecla T.</translation>
    </message>
    <message>
        <source> viewPic      - For viewinig the original image.  Keep the </source>
        <translation> Ver              - Ver a imagem inteira. Mantenha </translation>
    </message>
    <message>
        <source>                      button &apos;viewPic&apos; pressed for </source>
        <translation>                      o botão “Ver” pressionado para </translation>
    </message>
    <message>
        <source>                      viewing.</source>
        <translation>                      vê-la.</translation>
    </message>
    <message>
        <source> Halt          - To pause, shortcut H.</source>
        <translation> Pausa         - Fazer uma pausa, tecla H.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
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
        <translation>Alterar cores</translation>
    </message>
    <message>
        <source>Select the colors</source>
        <translation>Escolha as cores</translation>
    </message>
    <message>
        <source>Color of the Numbers:</source>
        <translation>Cor dos números:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Background color:</source>
        <translation>Cor do fundo:</translation>
    </message>
    <message>
        <source>Empty box color:</source>
        <translation>Casa vazia:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Padrão</translation>
    </message>
    <message>
        <source>Select a Color</source>
        <translation>Escolha uma cor</translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation>Vermelho %1, verde %2, azul %3</translation>
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
        <translation>Jogadas :</translation>
    </message>
    <message>
        <source>Time :</source>
        <translation>Tempo :</translation>
    </message>
    <message>
        <source>&amp;Load Pic</source>
        <translation>&amp;Carregar</translation>
    </message>
    <message>
        <source>ViewPic</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Keep Pressed</source>
        <translation>Mantenha pressionado</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>UnSorted</source>
        <translation>Deslocadas</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Embaralhar</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;S&quot; </source>
        <translation>Tecla de atalho: S </translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;H&quot;</source>
        <translation>Tecla de atalho: H</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;T&quot;</source>
        <translation>Tecla de atalho: T</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Set &amp;Color</source>
        <translation>C&amp;ores</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferências</translation>
    </message>
    <message>
        <source>Grid ON</source>
        <translation>Grade SIM</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;G&quot;</source>
        <translation>Tecla de atalho: G</translation>
    </message>
    <message>
        <source>Numbered</source>
        <translation>Numeradas</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;N&quot;</source>
        <translation>Tecla de atalho: N</translation>
    </message>
    <message>
        <source>Enable Auto Scramble</source>
        <translation>Auto-embaralhar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Pontuações</translation>
    </message>
    <message>
        <source>Short&amp;Cuts </source>
        <translation>A&amp;talhos </translation>
    </message>
    <message>
        <source>Scramble            S</source>
        <translation>Embaralhar        S</translation>
    </message>
    <message>
        <source>GridOff               G</source>
        <translation>Sem grade         G</translation>
    </message>
    <message>
        <source>UnNumber         N</source>
        <translation>Sem números    N</translation>
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
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;How &amp;to....</source>
        <translation>&amp;Como jogar....</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>UN-Numbered</source>
        <translation>Sem números</translation>
    </message>
    <message>
        <source>Grid OFF</source>
        <translation>Grade NÃO</translation>
    </message>
    <message>
        <source>Select A Pic</source>
        <translation>Escolha uma imagem</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Borda</translation>
    </message>
    <message>
        <source>Picture loaded</source>
        <translation>Imagem carregada</translation>
    </message>
    <message>
        <source>Set in order</source>
        <translation>Em ordem</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Embaralhado</translation>
    </message>
    <message>
        <source>Halted</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Retomado</translation>
    </message>
    <message>
        <source>Moves: %1, seconds: %2, tiles in place: %3 of %4</source>
        <translation>Jogadas: %1, segundos: %2, peças no lugar: %3 de %4</translation>
    </message>
    <message>
        <source>Tile %1, row %2, column %3</source>
        <translation>Peça %1, linha %2, coluna %3</translation>
    </message>
</context>
<context>
    <name>frmpic</name>
    <message>
        <source>Whole picture</source>
        <translation>Imagem inteira</translation>
    </message>
</context>
<context>
    <name>frmprefer</name>
    <message>
        <source>Select the splitting</source>
        <translation>Escolha a divisão</translation>
    </message>
    <message>
        <source>Splittings Options</source>
        <translation>Divisões</translation>
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
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>frmscore</name>
    <message>
        <source> Game Over</source>
        <translation> Fim de jogo</translation>
    </message>
    <message>
        <source>Number of Moves :</source>
        <translation>Jogadas :</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Time Taken :</source>
        <translation>Tempo :</translation>
    </message>
    <message>
        <source>&amp;Play Again</source>
        <translation>&amp;Jogar de novo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Least Moves</source>
        <translation>Menos jogadas</translation>
    </message>
    <message>
        <source>Enter Name :</source>
        <translation>Seu nome :</translation>
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
        <translation>Melhores pontuações</translation>
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
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Top 5x5 Least Moves</source>
        <translation>5x5: menos jogadas</translation>
    </message>
    <message>
        <source>Top 4x4 Least Moves</source>
        <translation>4x4: menos jogadas</translation>
    </message>
    <message>
        <source>Top 3x3 Least Moves</source>
        <translation>3x3: menos jogadas</translation>
    </message>
    <message>
        <source>  Names                                Moves</source>
        <translation>  Nomes                                Jogadas</translation>
    </message>
    <message>
        <source>%1)  None</source>
        <translation>%1)  Ninguém</translation>
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
