<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BoardView</name>
    <message>
        <source>%1x%1 board</source>
        <translation>Plateau %1x%1</translation>
    </message>
    <message>
        <source>Empty box</source>
        <translation>Case vide</translation>
    </message>
    <message>
        <source>Tile %1</source>
        <translation>Pièce %1</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1, not in place</source>
        <translation>%1, pas à sa place</translation>
    </message>
</context>
<context>
    <name>LoadPic</name>
    <message>
        <source>All Supported Files |*.jpg;*.bmp;*.jpeg;*.gif|Jpg File   (*.jpg)|*.jpg|BitMap File(*.bmp)|*.bmp|Jpeg File  (*.jpeg)|*.jpeg|Gif File   (*.gif)|*.gif</source>
        <translation>Toutes les images prises en charge |*.jpg;*.bmp;*.jpeg;*.gif|Fichier JPG   (*.jpg)|*.jpg|Fichier BMP(*.bmp)|*.bmp|Fichier JPEG  (*.jpeg)|*.jpeg|Fichier GIF   (*.gif)|*.gif</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Quadrello</source>
        <translation>À propos de Quadrello</translation>
    </message>
    <message>
        <source>QuAdReLlO</source>
        <translation>QuAdReLlO</translation>
    </message>
    <message>
        <source> Version : 1.00.00</source>
        <translation> Version&#xa0;: 1.00.00</translation>
    </message>
    <message>
        <source>Quadrello, a sliding-tile picture puzzle.
Free to play, copy and share.
It comes with no warranty of any kind.</source>
        <translation>Quadrello, un taquin en images.
Libre de le jouer, le copier, le partager.
Fourni sans aucune garantie.</translation>
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
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Rubriques d’aide</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>        </source>
        <translation>        </translation>
    </message>
    <message>
        <source> -How to Play?</source>
        <translation> -Comment jouer&#xa0;?</translation>
    </message>
    <message>
        <source> Quadrello is played like a jigsaw puzzle,</source>
        <translation> Quadrello se joue comme un puzzle, mais</translation>
    </message>
    <message>
        <source> but its boxes can be numbered or</source>
        <translation> ses cases peuvent être numérotées ou</translation>
    </message>
    <message>
        <source> unnumbered. First load an image, then</source>
        <translation> non. Chargez d’abord une image, puis</translation>
    </message>
    <message>
        <source> scramble it. Slide the pieces with the</source>
        <translation> mélangez-la. Faites glisser les pièces</translation>
    </message>
    <message>
        <source> arrow keys into the empty box, one move</source>
        <translation> avec les flèches dans la case vide, un</translation>
    </message>
    <message>
        <source> at a time, until the whole image is</source>
        <translation> coup à la fois, jusqu’à reconstituer</translation>
    </message>
    <message>
        <source> unscrambled. The easy way is to sort the</source>
        <translation> toute l’image. Le plus simple est de</translation>
    </message>
    <message>
        <source> pieces row by row, from left to right,</source>
        <translation> ranger les pièces ligne par ligne, de</translation>
    </message>
    <message>
        <source> until only the last two rows remain; then</source>
        <translation> gauche à droite, jusqu’aux deux dernières</translation>
    </message>
    <message>
        <source> sort those two rows together. The object</source>
        <translation> lignes, puis de ranger ces deux lignes</translation>
    </message>
    <message>
        <source> is to unscramble the image in the fewest</source>
        <translation> ensemble. Le but est de reconstituer</translation>
    </message>
    <message>
        <source> moves. The image can be split in three</source>
        <translation> l’image en un minimum de coups. L’image</translation>
    </message>
    <message>
        <source> modes: choose 3x3, 4x4 or 5x5 in the</source>
        <translation> se découpe de trois façons&#xa0;: 3x3, 4x4</translation>
    </message>
    <message>
        <source> preferences. All three modes can be</source>
        <translation> ou 5x5, au choix dans les préférences.</translation>
    </message>
    <message>
        <source> played at the same time; switching</source>
        <translation> Les trois se jouent en même temps&#xa0;; en</translation>
    </message>
    <message>
        <source> between them keeps each mode&apos;s moves and</source>
        <translation> passant de l’une à l’autre, chacune garde</translation>
    </message>
    <message>
        <source> time. The real fun is to play unnumbered</source>
        <translation> ses coups et son temps. Le vrai plaisir&#xa0;:</translation>
    </message>
    <message>
        <source> and to view the real image only once.</source>
        <translation> jouer sans numéros, l’image vue une fois.</translation>
    </message>
    <message>
        <source> Enjoy!</source>
        <translation> Bon jeu&#xa0;!</translation>
    </message>
    <message>
        <source> -Keys&apos; functions:</source>
        <translation> -Rôle des touches&#xa0;:</translation>
    </message>
    <message>
        <source> Arrow keys- To move the pieces up, down, right, or left.</source>
        <translation> Flèches       - Déplacer les pièces dans les quatre sens.</translation>
    </message>
    <message>
        <source> Load Pic     - To load an image, shortcut Alt+L.  </source>
        <translation> Charger      - Charger une image, raccourci Alt+C.  </translation>
    </message>
    <message>
        <source> Scramble    - To scramble the image, shortcut S.</source>
        <translation> Mélanger    - Mélanger l’image, touche S.</translation>
    </message>
    <message>
        <source> UnSorted   - To detect the unsorted image pieces, </source>
        <translation> Mal placées - Repérer les pièces mal placées, </translation>
    </message>
    <message>
        <source>                      &apos;UnSorted&apos; button.</source>
        <translation>                      bouton «&#xa0;Mal placées&#xa0;».</translation>
    </message>
    <message>
        <source> Set            - For unscrambling the image, shortcut T.</source>
        <translation> Résoudre    - Remettre l’image en ordre, touche T.</translation>
    </message>
    <message>
        <source> viewPic      - For viewinig the original image.  Keep the </source>
        <translation> Voir           - Voir l’image entière. Garder le </translation>
    </message>
    <message>
        <source>                      button &apos;viewPic&apos; pressed for </source>
        <translation>                      bouton «&#xa0;Voir&#xa0;» enfoncé pour </translation>
    </message>
    <message>
        <source>                      viewing.</source>
        <translation>                      la regarder.</translation>
    </message>
    <message>
        <source> Halt          - To pause, shortcut H.</source>
        <translation> Pause         - Faire une pause, touche H.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
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
        <translation>Modifier les couleurs</translation>
    </message>
    <message>
        <source>Select the colors</source>
        <translation>Choisissez les couleurs</translation>
    </message>
    <message>
        <source>Color of the Numbers:</source>
        <translation>Couleur des numéros&#xa0;:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Background color:</source>
        <translation>Couleur du fond&#xa0;:</translation>
    </message>
    <message>
        <source>Empty box color:</source>
        <translation>Case vide&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Par défaut</translation>
    </message>
    <message>
        <source>Select a Color</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation>Rouge %1, vert %2, bleu %3</translation>
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
        <translation>Coups&#xa0;:</translation>
    </message>
    <message>
        <source>Time :</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Load Pic</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>ViewPic</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Keep Pressed</source>
        <translation>Maintenir enfoncé</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>UnSorted</source>
        <translation>Mal placées</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;S&quot; </source>
        <translation>Raccourci&#xa0;: touche S </translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;H&quot;</source>
        <translation>Raccourci&#xa0;: touche H</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;T&quot;</source>
        <translation>Raccourci&#xa0;: touche T</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Set &amp;Color</source>
        <translation>C&amp;ouleurs</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>Grid ON</source>
        <translation>Grille OUI</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;G&quot;</source>
        <translation>Raccourci&#xa0;: touche G</translation>
    </message>
    <message>
        <source>Numbered</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>ShortCut Key &quot;N&quot;</source>
        <translation>Raccourci&#xa0;: touche N</translation>
    </message>
    <message>
        <source>Enable Auto Scramble</source>
        <translation>Mélange automatique</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>Short&amp;Cuts </source>
        <translation>&amp;Raccourcis </translation>
    </message>
    <message>
        <source>Scramble            S</source>
        <translation>Mélanger            S</translation>
    </message>
    <message>
        <source>GridOff               G</source>
        <translation>Sans grille          G</translation>
    </message>
    <message>
        <source>UnNumber         N</source>
        <translation>Sans numéros   N</translation>
    </message>
    <message>
        <source>Set                     T</source>
        <translation>Résoudre           T</translation>
    </message>
    <message>
        <source>Halt                    H             </source>
        <translation>Pause                H             </translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;How &amp;to....</source>
        <translation>&amp;Comment jouer....</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>UN-Numbered</source>
        <translation>Sans numéros</translation>
    </message>
    <message>
        <source>Grid OFF</source>
        <translation>Grille NON</translation>
    </message>
    <message>
        <source>Select A Pic</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Picture loaded</source>
        <translation>Image chargée</translation>
    </message>
    <message>
        <source>Set in order</source>
        <translation>Remis en ordre</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Mélangé</translation>
    </message>
    <message>
        <source>Halted</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Reprise</translation>
    </message>
    <message>
        <source>Moves: %1, seconds: %2, tiles in place: %3 of %4</source>
        <translation>Coups : %1, secondes : %2, pièces en place : %3 sur %4</translation>
    </message>
    <message>
        <source>Tile %1, row %2, column %3</source>
        <translation>Pièce %1, ligne %2, colonne %3</translation>
    </message>
</context>
<context>
    <name>frmpic</name>
    <message>
        <source>Whole picture</source>
        <translation>Image entière</translation>
    </message>
</context>
<context>
    <name>frmprefer</name>
    <message>
        <source>Select the splitting</source>
        <translation>Choisir le découpage</translation>
    </message>
    <message>
        <source>Splittings Options</source>
        <translation>Découpages</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>frmscore</name>
    <message>
        <source> Game Over</source>
        <translation> Partie terminée</translation>
    </message>
    <message>
        <source>Number of Moves :</source>
        <translation>Nombre de coups&#xa0;:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Time Taken :</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Play Again</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Least Moves</source>
        <translation>Moins de coups</translation>
    </message>
    <message>
        <source>Enter Name :</source>
        <translation>Votre nom&#xa0;:</translation>
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
        <translation>Meilleurs scores</translation>
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
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Top 5x5 Least Moves</source>
        <translation>5x5&#xa0;: moins de coups</translation>
    </message>
    <message>
        <source>Top 4x4 Least Moves</source>
        <translation>4x4&#xa0;: moins de coups</translation>
    </message>
    <message>
        <source>Top 3x3 Least Moves</source>
        <translation>3x3&#xa0;: moins de coups</translation>
    </message>
    <message>
        <source>  Names                                Moves</source>
        <translation>  Noms                                  Coups</translation>
    </message>
    <message>
        <source>%1)  None</source>
        <translation>%1)  Personne</translation>
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
