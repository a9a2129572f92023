<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BoardView</name>
    <message>
        <source>%1x%1 board</source>
        <translation>Spielfeld %1x%1</translation>
    </message>
    <message>
        <source>Empty box</source>
        <translation>Leeres Feld</translation>
    </message>
    <message>
        <source>Tile %1</source>
        <translation>Stein %1</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1, not in place</source>
        <translation>%1, nicht an seinem Platz</translation>
    </message>
</context>
<context>
    <name>LoadPic</name>
    <message>
        <source>All Supported Files |*.jpg;*.bmp;*.jpeg;*.gif|Jpg File   (*.jpg)|*.jpg|BitMap File(*.bmp)|*.bmp|Jpeg File  (*.jpeg)|*.jpeg|Gif File   (*.gif)|*.gif</source>
        <translation>Alle unterstützten Dateien |*.jpg;*.bmp;*.jpeg;*.gif|JPG-Datei   (*.jpg)|*.jpg|Bitmap-Datei(*.bmp)|*.bmp|JPEG-Datei  (*.jpeg)|*.jpeg|GIF-Datei   (*.gif)|*.gif</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Quadrello</source>
        <translation>Über Quadrello</translation>
    </message>
    <message>
        <source>QuAdReLlO</source>
        <translation>QuAdReLlO</translation>
    </message>
    <message>
        <source> Version : 1.00.00</source>
        <translation> Version : 1.00.00</translation>
    </message>
    <message>
        <source>Quadrello, a sliding-tile picture puzzle.
Free to play, copy and share.
It comes with no warranty of any kind.</source>
        <translation>Quadrello, ein Schiebepuzzle mit Bildern.
Frei zum Spielen, Kopieren und Weitergeben.
Ohne jede Gewährleistung.</translation>
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
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>        </source>
        <translation>        </translation>
    </message>
    <message>
        <source> -How to Play?</source>
        <translation> -Wie wird gespielt?</translation>
    </message>
    <message>
        <source> Quadrello is played like a jigsaw puzzle,</source>
        <translation> Quadrello spielt man wie ein Puzzle, nur</translation>
    </message>
    <message>
        <source> but its boxes can be numbered or</source>
        <translation> dass die Felder nummeriert sein können</translation>
    </message>
    <message>
        <source> unnumbered. First load an image, then</source>
        <translation> oder nicht. Zuerst ein Bild laden, dann</translation>
    </message>
    <message>
        <source> scramble it. Slide the pieces with the</source>
        <translation> mischen. Die Teile mit den Pfeiltasten</translation>
    </message>
    <message>
        <source> arrow keys into the empty box, one move</source>
        <translation> ins leere Feld schieben, einen Zug nach</translation>
    </message>
    <message>
        <source> at a time, until the whole image is</source>
        <translation> dem anderen, bis das ganze Bild wieder</translation>
    </message>
    <message>
        <source> unscrambled. The easy way is to sort the</source>
        <translation> geordnet ist. Am einfachsten ordnet man</translation>
    </message>
    <message>
        <source> pieces row by row, from left to right,</source>
        <translation> die Teile Zeile für Zeile von links nach</translation>
    </message>
    <message>
        <source> until only the last two rows remain; then</source>
        <translation> rechts, bis nur die letzten zwei Zeilen</translation>
    </message>
    <message>
        <source> sort those two rows together. The object</source>
        <translation> bleiben; die ordnet man gemeinsam. Ziel</translation>
    </message>
    <message>
        <source> is to unscramble the image in the fewest</source>
        <translation> ist, das Bild mit möglichst wenigen Zügen</translation>
    </message>
    <message>
        <source> moves. The image can be split in three</source>
        <translation> zu ordnen. Das Bild lässt sich auf drei</translation>
    </message>
    <message>
        <source> modes: choose 3x3, 4x4 or 5x5 in the</source>
        <translation> Arten teilen: 3x3, 4x4 oder 5x5, wählbar</translation>
    </message>
    <message>
        <source> preferences. All three modes can be</source>
        <translation> unter Aufteilung. Alle drei Arten lassen</translation>
    </message>
    <message>
        <source> played at the same time; switching</source>
        <translation> sich gleichzeitig spielen; beim Wechsel</translation>
    </message>
    <message>
        <source> between them keeps each mode&apos;s moves and</source>
        <translation> behält jede Art ihre Züge und ihre</translation>
    </message>
    <message>
        <source> time. The real fun is to play unnumbered</source>
        <translation> Zeit. Am meisten Spaß macht es ohne</translation>
    </message>
    <message>
        <source> and to view the real image only once.</source>
        <translation> Nummern und mit nur einem Blick aufs Bild.</translation>
    </message>
    <message>
        <source> Enjoy!</source>
        <translation> Viel Vergnügen!</translation>
    </message>
    <message>
        <source> -Keys&apos; functions:</source>
        <translation> -Die Tasten:</translation>
    </message>
    <message>
        <source> Arrow keys- To move the pieces up, down, right, or left.</source>
        <translation> Pfeiltasten - Teile nach oben, unten, rechts, links.</translation>
    </message>
    <message>
        <source> Load Pic     - To load an image, shortcut Alt+L.  </source>
        <translation> Bild laden  - Ein Bild laden, Kurztaste Alt+L.  </translation>
    </message>
    <message>
        <source> Scramble    - To scramble the image, shortcut S.</source>
        <translation> Mischen      - Das Bild mischen, Taste S.</translation>
    </message>
    <message>
        <source> UnSorted   - To detect the unsorted image pieces, </source>
        <translation> Unsortiert  - Die Teile zeigen, die nicht am Platz </translation>
    </message>
    <message>
        <source>                      &apos;UnSorted&apos; button.</source>
        <translation>                      sind, Knopf &apos;Unsortiert&apos;.</translation>
    </message>
    <message>
        <source> Set            - For unscrambling the image, shortcut T.</source>
        <translation> Ordnen       - Das Bild ordnen, Taste T.</translation>
    </message>
    <message>
        <source> viewPic      - For viewinig the original image.  Keep the </source>
        <translation> Ansehen      - Das ganze Bild ansehen.  Den Knopf </translation>
    </message>
    <message>
        <source>                      button &apos;viewPic&apos; pressed for </source>
        <translation>                      &apos;Ansehen&apos; dazu gedrückt </translation>
    </message>
    <message>
        <source>                      viewing.</source>
        <translation>                      halten.</translation>
    </message>
    <message>
        <source> Halt          - To pause, shortcut H.</source>
        <translation> Pause          - Anhalten, Taste H.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
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
        <translation>Farben ändern</translation>
    </message>
    <message>
        <source>Select the colors</source>
        <translation>Farben wählen</translation>
    </message>
    <message>
        <source>Color of the Numbers:</source>
        <translation>Farbe der Zahlen:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Background color:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Empty box color:</source>
        <translation>Leeres Feld:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>Select a Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation>Rot %1, Grün %2, Blau %3</translation>
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
        <translation>Züge :</translation>
    </message>
    <message>
        <source>Time :</source>
        <translation>Zeit :</translation>
    </message>
    <message>
        <source>&amp;Load Pic</source>
        <translation>Bild &amp;laden</translation>
    </message>
    <message>
        <source>ViewPic</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Keep Pressed</source>
        <translation>Gedrückt halten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>UnSorted</source>
        <translation>Unsortiert</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;S&quot; </source>
        <translation>Kurztaste „S“ </translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;H&quot;</source>
        <translation>Kurztaste „H“</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ordnen</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;T&quot;</source>
        <translation>Kurztaste „T“</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Set &amp;Color</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>Aufteil&amp;ung</translation>
    </message>
    <message>
        <source>Grid ON</source>
        <translation>Gitter AN</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;G&quot;</source>
        <translation>Kurztaste „G“</translation>
    </message>
    <message>
        <source>Numbered</source>
        <translation>Nummeriert</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;N&quot;</source>
        <translation>Kurztaste „N“</translation>
    </message>
    <message>
        <source>Enable Auto Scramble</source>
        <translation>Automatisch mischen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>Short&amp;Cuts </source>
        <translation>&amp;Kurztasten </translation>
    </message>
    <message>
        <source>Scramble            S</source>
        <translation>Mischen              S</translation>
    </message>
    <message>
        <source>GridOff               G</source>
        <translation>Gitter aus            G</translation>
    </message>
    <message>
        <source>UnNumber         N</source>
        <translation>Ohne Nummern  N</translation>
    </message>
    <message>
        <source>Set                     T</source>
        <translation>Ordnen                T</translation>
    </message>
    <message>
        <source>Halt                    H             </source>
        <translation>Pause                 H             </translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How &amp;to....</source>
        <translation>&amp;So geht’s....</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>UN-Numbered</source>
        <translation>Ohne Zahlen</translation>
    </message>
    <message>
        <source>Grid OFF</source>
        <translation>Gitter AUS</translation>
    </message>
    <message>
        <source>Select A Pic</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>Picture loaded</source>
        <translation>Bild geladen</translation>
    </message>
    <message>
        <source>Set in order</source>
        <translation>Geordnet</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Halted</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Fortgesetzt</translation>
    </message>
    <message>
        <source>Moves: %1, seconds: %2, tiles in place: %3 of %4</source>
        <translation>Züge: %1, Sekunden: %2, Steine am Platz: %3 von %4</translation>
    </message>
    <message>
        <source>Tile %1, row %2, column %3</source>
        <translation>Stein %1, Zeile %2, Spalte %3</translation>
    </message>
</context>
<context>
    <name>frmpic</name>
    <message>
        <source>Whole picture</source>
        <translation>Ganzes Bild</translation>
    </message>
</context>
<context>
    <name>frmprefer</name>
    <message>
        <source>Select the splitting</source>
        <translation>Aufteilung wählen</translation>
    </message>
    <message>
        <source>Splittings Options</source>
        <translation>Aufteilungen</translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmscore</name>
    <message>
        <source> Game Over</source>
        <translation> Spielende</translation>
    </message>
    <message>
        <source>Number of Moves :</source>
        <translation>Anzahl der Züge :</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Time Taken :</source>
        <translation>Benötigte Zeit :</translation>
    </message>
    <message>
        <source>&amp;Play Again</source>
        <translation>&amp;Nochmal</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Least Moves</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Enter Name :</source>
        <translation>Name :</translation>
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
        <translation>Bestenliste</translation>
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
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Top 5x5 Least Moves</source>
        <translation>5x5: Wenigste Züge</translation>
    </message>
    <message>
        <source>Top 4x4 Least Moves</source>
        <translation>4x4: Wenigste Züge</translation>
    </message>
    <message>
        <source>Top 3x3 Least Moves</source>
        <translation>3x3: Wenigste Züge</translation>
    </message>
    <message>
        <source>  Names                                Moves</source>
        <translation>  Namen                                Züge</translation>
    </message>
    <message>
        <source>%1)  None</source>
        <translation>%1)  Niemand</translation>
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
