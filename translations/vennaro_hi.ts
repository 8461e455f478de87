<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Unknown error</source>
        <translation>अज्ञात त्रुटि</translation>
    </message>
    <message>
        <source>Run-time error:

%1</source>
        <translation>रनटाइम त्रुटि:

%1</translation>
    </message>
</context>
<context>
    <name>FormAccessibility</name>
    <message>
        <source>Picture</source>
        <translation>चित्र</translation>
    </message>
</context>
<context>
    <name>GameAnnouncer</name>
    <message>
        <source>Showing %1.</source>
        <translation>चित्र: %1।</translation>
    </message>
    <message>
        <source>The picture is in order again.</source>
        <translation>चित्र फिर से पूरा हो गया।</translation>
    </message>
    <message>
        <source>New game. The hole is at row %1, column %2.</source>
        <translation>नया खेल। रिक्त स्थान पंक्ति %1, स्तंभ %2 में है।</translation>
    </message>
    <message>
        <source>Piece %1 moved to row %2, column %3. Moves: %4.</source>
        <translation>टुकड़ा %1 पंक्ति %2, स्तंभ %3 में खिसकाया गया। चालें: %4।</translation>
    </message>
</context>
<context>
    <name>MovingTile</name>
    <message>
        <source>Cannot move !!!</source>
        <translation>खिसकाया नहीं जा सकता!!!</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;हाँ</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;नहीं</translation>
    </message>
</context>
<context>
    <name>Quitting</name>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>क्या आप सचमुच खेल समाप्त करना चाहते हैं?</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>समाप्त करें?</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>अतिप्रवाह</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>सबस्क्रिप्ट सीमा से बाहर</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>प्रकार बेमेल</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>अमान्य प्रक्रिया कॉल या तर्क</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>नियंत्रण सरणी तत्व “%1” मौजूद नहीं है</translation>
    </message>
</context>
<context>
    <name>TileBoxAccessible</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>पंक्ति %1, स्तंभ %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>खाली</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>रिक्त स्थान</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>टुकड़ा %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Mountain Lake</source>
        <translation>पहाड़ी झील</translation>
    </message>
    <message>
        <source>Stained Glass</source>
        <translation>रंगीन काँच</translation>
    </message>
    <message>
        <source>Fractal Reef</source>
        <translation>फ्रैक्टल प्रवाल भित्ति</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>चित्र चुनें</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;आरंभ</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;हल</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;समाप्त</translation>
    </message>
    <message>
        <source>Number of Moves</source>
        <translation>चालों की संख्या</translation>
    </message>
</context>
</TS>
