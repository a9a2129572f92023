<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>BoardView</name>
    <message>
        <source>%1x%1 board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, not in place</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadPic</name>
    <message>
        <source>All Supported Files |*.jpg;*.bmp;*.jpeg;*.gif|Jpg File   (*.jpg)|*.jpg|BitMap File(*.bmp)|*.bmp|Jpeg File  (*.jpeg)|*.jpeg|Gif File   (*.gif)|*.gif</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Quadrello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QuAdReLlO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Version : 1.00.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quadrello, a sliding-tile picture puzzle.
Free to play, copy and share.
It comes with no warranty of any kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quadrello</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> -How to Play?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Quadrello is played like a jigsaw puzzle,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> but its boxes can be numbered or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> unnumbered. First load an image, then</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> scramble it. Slide the pieces with the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> arrow keys into the empty box, one move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> at a time, until the whole image is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> unscrambled. The easy way is to sort the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> pieces row by row, from left to right,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> until only the last two rows remain; then</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> sort those two rows together. The object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is to unscramble the image in the fewest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> moves. The image can be split in three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> modes: choose 3x3, 4x4 or 5x5 in the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> preferences. All three modes can be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> played at the same time; switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> between them keeps each mode&apos;s moves and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> time. The real fun is to play unnumbered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and to view the real image only once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Enjoy!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> -Keys&apos; functions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Arrow keys- To move the pieces up, down, right, or left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Load Pic     - To load an image, shortcut Alt+L.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Scramble    - To scramble the image, shortcut S.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> UnSorted   - To detect the unsorted image pieces, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                      &apos;UnSorted&apos; button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Set            - For unscrambling the image, shortcut T.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> viewPic      - For viewinig the original image.  Keep the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                      button &apos;viewPic&apos; pressed for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                      viewing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Halt          - To pause, shortcut H.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quadrello</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmcolor</name>
    <message>
        <source>Change Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color of the Numbers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty box color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmmain</name>
    <message>
        <source>Quadrello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Pic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ViewPic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Pressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UnSorted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShortCut Key &quot;S&quot; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShortCut Key &quot;H&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShortCut Key &quot;T&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShortCut Key &quot;G&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ShortCut Key &quot;N&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Auto Scramble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short&amp;Cuts </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scramble            S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GridOff               G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UnNumber         N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set                     T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halt                    H             </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How &amp;to....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UN-Numbered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select A Pic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set in order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves: %1, seconds: %2, tiles in place: %3 of %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile %1, row %2, column %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmpic</name>
    <message>
        <source>Whole picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmprefer</name>
    <message>
        <source>Select the splitting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splittings Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3x3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4x4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5x5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmscore</name>
    <message>
        <source> Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Moves :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Taken :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Least Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmtopscores</name>
    <message>
        <source>Top Least Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3x3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4x4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5x5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top 5x5 Least Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top 4x4 Least Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top 3x3 Least Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Names                                Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1)  None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[                    ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1) %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>       %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
