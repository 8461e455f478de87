<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Erreur d’exécution&#xa0;:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Image affichée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>L’image est de nouveau reconstituée.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Nouvelle partie. La case vide est à la ligne %1, colonne %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Pièce %1 déplacée à la ligne %2, colonne %3. Coups&#xa0;: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Déplacement impossible&#xa0;!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Quitter&#xa0;?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>L’élément «&#xa0;%1&#xa0;» du groupe de contrôles n’existe pas</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Case vide</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Pièce %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Lac de montagne</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Vitrail</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Récif fractal</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Choisissez une image</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Solution</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Nombre de coups</translation>
    </message>
</context>
</TS>
