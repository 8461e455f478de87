<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>Άγνωστο σφάλμα</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>Σφάλμα εκτέλεσης:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>Εικόνα</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>Εμφανίζεται: %1.</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>Η εικόνα είναι ξανά στη σωστή σειρά.</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>Νέο παιχνίδι. Το κενό είναι στη γραμμή %1, στήλη %2.</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>Το κομμάτι %1 μετακινήθηκε στη γραμμή %2, στήλη %3. Κινήσεις: %4.</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>Αδύνατη η μετακίνηση!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Θέλετε σίγουρα να βγείτε από το παιχνίδι;</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Έξοδος;</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Υπερχείλιση</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Δείκτης εκτός ορίων</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Ασυμφωνία τύπων</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Μη έγκυρη κλήση διαδικασίας ή όρισμα</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Το στοιχείο «%1» του πίνακα στοιχείων ελέγχου δεν υπάρχει</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Γραμμή %1, στήλη %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Άδειο</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Κενό</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Κομμάτι %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>Ορεινή λίμνη</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>Βιτρό</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>Φράκταλ ύφαλος</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Επιλέξτε εικόνα</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Έ&amp;ναρξη</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Λύση</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>Αριθμός κινήσεων</translation>
    </message>
</context>
</TS>
