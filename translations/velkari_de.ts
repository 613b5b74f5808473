<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>&amp;About ViziZarero...</source>
        <translation>Ü&amp;ber ViziZarero...</translation>
    </message>
    <message>
        <source>&lt;p&gt;Describes the keys of the Velkari on-screen keyboard for each screen shape, checks every layout against the device&apos;s rules and compiles the project, pictures included, into the skin file the device reads.&lt;/p&gt;&lt;p&gt;Free software under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Beschreibt die Tasten der Velkari-Bildschirmtastatur für jede Bildschirmform, prüft jedes Layout gegen die Regeln des Geräts und übersetzt das Projekt samt Bildern in die Skin-Datei, die das Gerät liest.&lt;/p&gt;&lt;p&gt;Freie Software unter der MIT-Lizenz.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Velkari Skin Editor</source>
        <translation>Über Velkari Skin Editor</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>&quot;%1&quot; takes a whole number from %2 to %3.</source>
        <translation>„%1“ nimmt eine ganze Zahl von %2 bis %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot hold this character: the device stores one 16-bit code unit per key, and a character beyond U+FFFF, such as an emoji, needs two.</source>
        <translation>„%1“ kann dieses Zeichen nicht aufnehmen: Das Gerät speichert je Taste eine 16-Bit-Codeeinheit, und ein Zeichen jenseits von U+FFFF, etwa ein Emoji, braucht zwei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes one character or a code from 0x%2 to 0x%3, such as 0x41.</source>
        <translation>„%1“ nimmt ein Zeichen oder einen Code von 0x%2 bis 0x%3, etwa 0x41.</translation>
    </message>
    <message>
        <source>Choose an entry in &quot;%1&quot;.</source>
        <translation>Wählen Sie einen Eintrag in „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; knows no key named &quot;%2&quot;: it takes one character, a code from 0x00 to 0xFF such as 0x41, or the name of a key such as Enter, F5, Shift or VK_RETURN.</source>
        <translation>„%1“ kennt keine Taste namens „%2“: Es nimmt ein Zeichen, einen Code von 0x00 bis 0xFF, etwa 0x41, oder den Namen einer Taste, etwa Enter, F5, Shift oder VK_RETURN.</translation>
    </message>
</context>
<context>
    <name>velkari::ButtonDescription</name>
    <message>
        <source>Width:%1</source>
        <translation>Breite:%1</translation>
    </message>
    <message>
        <source>Sends Char:%1 and VK:%2</source>
        <translation>Sendet Zeichen:%1 und VK:%2</translation>
    </message>
    <message>
        <source>Sends VK:%1</source>
        <translation>Sendet VK:%1</translation>
    </message>
    <message>
        <source>&lt;Not Set&gt;</source>
        <translation>&lt;Nicht gesetzt&gt;</translation>
    </message>
    <message>
        <source>&lt;Layout number %1&gt;</source>
        <translation>&lt;Layout Nummer %1&gt;</translation>
    </message>
    <message>
        <source>Changes the layout to: %1</source>
        <translation>Wechselt das Layout zu: %1</translation>
    </message>
    <message>
        <source>&lt;Unknown %1&gt;</source>
        <translation>&lt;Unbekannt %1&gt;</translation>
    </message>
    <message>
        <source>Calculator Button: %1</source>
        <translation>Rechnertaste: %1</translation>
    </message>
    <message>
        <source>Terminates Task number: %1</source>
        <translation>Beendet Task Nummer: %1</translation>
    </message>
    <message>
        <source>Activates Task number: %1</source>
        <translation>Aktiviert Task Nummer: %1</translation>
    </message>
    <message>
        <source>Closes all Tasks.</source>
        <translation>Schließt alle Tasks.</translation>
    </message>
    <message>
        <source>Shows Today Screen.</source>
        <translation>Zeigt den Heute-Bildschirm.</translation>
    </message>
    <message>
        <source>Refresh.</source>
        <translation>Aktualisieren.</translation>
    </message>
    <message>
        <source>Plays Macro number: %1</source>
        <translation>Spielt Makro Nummer: %1</translation>
    </message>
    <message>
        <source>Records a Macro.</source>
        <translation>Zeichnet ein Makro auf.</translation>
    </message>
    <message>
        <source>Shortcut to the item number %1 in the %2 folder.</source>
        <translation>Verweis auf den Eintrag Nummer %1 im Ordner „%2“.</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>My Shortcuts</source>
        <translation>Eigene Verknüpfungen</translation>
    </message>
    <message>
        <source>Shortcut to the Velkari Settings Dialogbox.</source>
        <translation>Verweis auf den Einstellungsdialog von Velkari.</translation>
    </message>
    <message>
        <source>Shortcut to the Today Screen.</source>
        <translation>Verweis auf den Heute-Bildschirm.</translation>
    </message>
    <message>
        <source>Shortcut to the Contents page of Help.(%1#Main_Contents)</source>
        <translation>Verweis auf die Inhaltsseite der Hilfe.(%1#Main_Contents)</translation>
    </message>
    <message>
        <source>Shortcut to the topic &quot;%1#BUTTON_TOPIC%2&quot; in the help.</source>
        <translation>Verweis auf das Thema „%1#BUTTON_TOPIC%2“ in der Hilfe.</translation>
    </message>
    <message>
        <source>Toggle Button %1</source>
        <translation>Umschalttaste %1</translation>
    </message>
    <message>
        <source>Does not cause release of down buttons</source>
        <translation>Löst gedrückte Tasten nicht</translation>
    </message>
    <message>
        <source>Automatically released when a button is pressed</source>
        <translation>Wird automatisch gelöst, wenn eine Taste gedrückt wird</translation>
    </message>
    <message>
        <source>Returns to previous layout</source>
        <translation>Kehrt zum vorigen Layout zurück</translation>
    </message>
    <message>
        <source>Select Name of Help file for this Skin.</source>
        <translation>Namen der Hilfedatei für diesen Skin wählen.</translation>
    </message>
    <message>
        <source>Add a new Layout.</source>
        <translation>Ein neues Layout hinzufügen.</translation>
    </message>
    <message>
        <source>Change the properties of the selected Layout.</source>
        <translation>Die Eigenschaften des gewählten Layouts ändern.</translation>
    </message>
    <message>
        <source>Open an existing Document.</source>
        <translation>Ein vorhandenes Dokument öffnen.</translation>
    </message>
    <message>
        <source>Save the current information to the file.</source>
        <translation>Die aktuellen Angaben in der Datei speichern.</translation>
    </message>
    <message>
        <source>Create the skin file.</source>
        <translation>Die Skin-Datei erstellen.</translation>
    </message>
    <message>
        <source>Select the Orientation and Resolution.</source>
        <translation>Ausrichtung und Auflösung wählen.</translation>
    </message>
    <message>
        <source>Save the current information to another file.</source>
        <translation>Die aktuellen Angaben in einer anderen Datei speichern.</translation>
    </message>
    <message>
        <source>Copy the current layout information to the clipboard.</source>
        <translation>Die Angaben des aktuellen Layouts in die Zwischenablage kopieren.</translation>
    </message>
    <message>
        <source>Create a new Document.</source>
        <translation>Ein neues Dokument anlegen.</translation>
    </message>
    <message>
        <source>Select Text Color used for Task Manager, Macros, and Calculator layouts.</source>
        <translation>Textfarbe für die Layouts von Taskmanager, Makros und Rechner wählen.</translation>
    </message>
    <message>
        <source>Select Color used to high light a button.</source>
        <translation>Farbe wählen, mit der eine Taste hervorgehoben wird.</translation>
    </message>
    <message>
        <source>Select current Layout.</source>
        <translation>Aktuelles Layout wählen.</translation>
    </message>
    <message>
        <source>Close Velkari Skin Editor.</source>
        <translation>Velkari Skin Editor schließen.</translation>
    </message>
    <message>
        <source>Click to add a button at the end of this row.</source>
        <translation>Klicken, um am Ende dieser Zeile eine Taste hinzuzufügen.</translation>
    </message>
    <message>
        <source>Make the layouts of other shapes from those of one shape, scaled to their screens, with their pictures.</source>
        <translation>Die Layouts anderer Bildschirmformen aus denen einer Form erzeugen, auf ihre Bildschirme skaliert, samt Bildern.</translation>
    </message>
    <message>
        <source>Add a layout from a keyboard-layout-editor.com file to this shape, with its picture drawn.</source>
        <translation>Ein Layout aus einer Datei von keyboard-layout-editor.com zu dieser Bildschirmform hinzufügen und sein Bild zeichnen.</translation>
    </message>
    <message>
        <source>Save the current layout as a keyboard-layout-editor.com file.</source>
        <translation>Das aktuelle Layout als Datei für keyboard-layout-editor.com speichern.</translation>
    </message>
</context>
<context>
    <name>velkari::ButtonFunctions</name>
    <message>
        <source>Square Root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Toggle Comma</source>
        <translation>Komma umschalten</translation>
    </message>
    <message>
        <source>Memory Clear (MC)</source>
        <translation>Speicher löschen (MC)</translation>
    </message>
    <message>
        <source>Memory Recall (MR)</source>
        <translation>Speicher abrufen (MR)</translation>
    </message>
    <message>
        <source>Memory Add (M+)</source>
        <translation>Speicher addieren (M+)</translation>
    </message>
    <message>
        <source>Memory Set (MS)</source>
        <translation>Speicher setzen (MS)</translation>
    </message>
    <message>
        <source>Power (X^Y)</source>
        <translation>Potenz (X^Y)</translation>
    </message>
    <message>
        <source>Root (X^(1/Y))</source>
        <translation>Wurzel (X^(1/Y))</translation>
    </message>
    <message>
        <source>Exp (e^x)</source>
        <translation>Exp (e^x)</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Fact (!)</source>
        <translation>Fakultät (!)</translation>
    </message>
    <message>
        <source>Copy (Ctrl+C)</source>
        <translation>Kopieren (Strg+C)</translation>
    </message>
    <message>
        <source>Paste (Ctrl+V)</source>
        <translation>Einfügen (Strg+V)</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Close Task</source>
        <translation>Task schließen</translation>
    </message>
    <message>
        <source>Activate Task</source>
        <translation>Task aktivieren</translation>
    </message>
    <message>
        <source>Close All</source>
        <translation>Alle schließen</translation>
    </message>
    <message>
        <source>Go Today</source>
        <translation>Zu Heute</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Play Macro</source>
        <translation>Makro abspielen</translation>
    </message>
    <message>
        <source>Record Macro</source>
        <translation>Makro aufzeichnen</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>My Shortcuts</source>
        <translation>Eigene Verknüpfungen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Write the displayed number</source>
        <translation>Die angezeigte Zahl schreiben</translation>
    </message>
</context>
<context>
    <name>velkari::CButtonDlg</name>
    <message>
        <source>Character</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Change Layout</source>
        <translation>Layoutwechsel</translation>
    </message>
    <message>
        <source>No Release</source>
        <translation>Kein Lösen</translation>
    </message>
    <message>
        <source>Auto Toggle</source>
        <translation>Auto-Lösen</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Task Manager</source>
        <translation>Taskmanager</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Verweis</translation>
    </message>
    <message>
        <source>Button Properties</source>
        <translation>Tasten-Eigenschaften</translation>
    </message>
    <message>
        <source>Add new button</source>
        <translation>Neue Taste hinzufügen</translation>
    </message>
    <message>
        <source>Button Flags:</source>
        <translation>Tastenoptionen:</translation>
    </message>
    <message>
        <source>Button Width:</source>
        <translation>Tastenbreite:</translation>
    </message>
    <message>
        <source>Button Caption:</source>
        <translation>Beschriftung:</translation>
    </message>
    <message>
        <source>Insert after this button</source>
        <translation>Taste danach einfügen</translation>
    </message>
    <message>
        <source>Insert before this button</source>
        <translation>Taste davor einfügen</translation>
    </message>
    <message>
        <source>Delete this button</source>
        <translation>Diese Taste löschen</translation>
    </message>
    <message>
        <source>Paste Button Info</source>
        <translation>Taste einfügen</translation>
    </message>
    <message>
        <source>Copy this button</source>
        <translation>Taste kopieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Field Label 1:</source>
        <translation>Feld 1:</translation>
    </message>
    <message>
        <source>Field Label 2:</source>
        <translation>Feld 2:</translation>
    </message>
    <message>
        <source>Field Label 3:</source>
        <translation>Feld 3:</translation>
    </message>
    <message>
        <source>Char:</source>
        <translation>Zeichen:</translation>
    </message>
    <message>
        <source>VK:</source>
        <translation>VK:</translation>
    </message>
    <message>
        <source>Go to Layout:</source>
        <translation>Ziel-Layout:</translation>
    </message>
    <message>
        <source>Calc Button:</source>
        <translation>Rechnertaste:</translation>
    </message>
    <message>
        <source>Button Function:</source>
        <translation>Tastenfunktion:</translation>
    </message>
    <message>
        <source>Task Number:</source>
        <translation>Tasknummer:</translation>
    </message>
    <message>
        <source>Macro Number:</source>
        <translation>Makronummer:</translation>
    </message>
    <message>
        <source>Shortcut Type:</source>
        <translation>Verweisart:</translation>
    </message>
    <message>
        <source>Shortcut Number:</source>
        <translation>Verweisnummer:</translation>
    </message>
    <message>
        <source>Toggle Index:</source>
        <translation>Umschaltindex:</translation>
    </message>
    <message>
        <source>This row is full: a row holds at most 30 buttons, the &quot;New&quot; cell included.</source>
        <translation>Diese Zeile ist voll: Eine Zeile fasst höchstens 30 Tasten, die Zelle „Neu“ eingeschlossen.</translation>
    </message>
    <message>
        <source>Press a &amp;key...</source>
        <translation>&amp;Taste drücken...</translation>
    </message>
    <message>
        <source>Click, then press the key this key is to send: Char and VK take its codes.</source>
        <translation>Klicken, dann die Taste drücken, die diese Taste senden soll: Zeichen und VK übernehmen ihre Codes.</translation>
    </message>
    <message>
        <source>no code for this key</source>
        <translation>kein Code für diese Taste</translation>
    </message>
</context>
<context>
    <name>velkari::CEBFFile</name>
    <message>
        <source>The file would be larger than 4 GiB.</source>
        <translation>Die Datei würde größer als 4 GiB.</translation>
    </message>
</context>
<context>
    <name>velkari::CLayoutDlg</name>
    <message>
        <source>Draw Picture</source>
        <translation>Bild zeichnen</translation>
    </message>
    <message>
        <source>Save Drawn Picture</source>
        <translation>Gezeichnetes Bild speichern</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>Das Bild konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Reset On Show</source>
        <translation>Reset b. Einbl.</translation>
    </message>
    <message>
        <source>Reset On Hide</source>
        <translation>Reset b. Ausbl.</translation>
    </message>
    <message>
        <source>Task Manager</source>
        <translation>Taskmanager</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Verweise</translation>
    </message>
    <message>
        <source>1st row height:</source>
        <translation>Höhe Zeile 1:</translation>
    </message>
    <message>
        <source>2nd row height:</source>
        <translation>Höhe Zeile 2:</translation>
    </message>
    <message>
        <source>3rd row height:</source>
        <translation>Höhe Zeile 3:</translation>
    </message>
    <message>
        <source>4th row height:</source>
        <translation>Höhe Zeile 4:</translation>
    </message>
    <message>
        <source>5th row height:</source>
        <translation>Höhe Zeile 5:</translation>
    </message>
    <message>
        <source>6th row height:</source>
        <translation>Höhe Zeile 6:</translation>
    </message>
    <message>
        <source>Layout Properties</source>
        <translation>Layout-Eigenschaften</translation>
    </message>
    <message>
        <source>Add new layout</source>
        <translation>Neues Layout hinzufügen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Layout Name:</source>
        <translation>Layoutname:</translation>
    </message>
    <message>
        <source>Skin:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Drag Up Layout:</source>
        <translation>Hochzieh-Layout:</translation>
    </message>
    <message>
        <source>No of Rows:</source>
        <translation>Zeilenzahl:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Paste Layout Info</source>
        <translation>Layout-Info einfügen</translation>
    </message>
    <message>
        <source>Delete this Layout</source>
        <translation>Layout löschen</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Select Skin Picture File</source>
        <translation>Bilddatei für den Skin wählen</translation>
    </message>
    <message>
        <source>Pictures (*.gif *.bmp)</source>
        <translation>Bilder (*.gif *.bmp)</translation>
    </message>
    <message>
        <source>GIF Files(*.gif)</source>
        <translation>GIF-Dateien (*.gif)</translation>
    </message>
    <message>
        <source>Bitmap Files(*.bmp)</source>
        <translation>Bitmap-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Read Keys from Picture</source>
        <translation>Tasten aus Bild lesen</translation>
    </message>
    <message>
        <source>Name the picture in &quot;Skin:&quot; first, or choose it with Browse.</source>
        <translation>Nennen Sie zuerst das Bild unter „Bild:“, oder wählen Sie es mit „Auswählen“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture that can be read.</source>
        <translation>„%1“ ist kein lesbares Bild.</translation>
    </message>
    <message>
        <source>No keys were recognised in &quot;%1&quot;; nothing was changed.</source>
        <translation>In „%1“ wurden keine Tasten erkannt; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>OK keeps this with the dialog&apos;s other changes; Cancel puts the layout back as it was.</source>
        <translation>OK übernimmt dies mit den übrigen Änderungen des Dialogs; Abbrechen stellt das Layout wieder her, wie es war.</translation>
    </message>
</context>
<context>
    <name>velkari::CViziZareroApp</name>
    <message>
        <source>Usage: velkari-skin-editor [PROJECT.vsp]

Starts the Velkari Skin Editor on a new project, or on PROJECT.vsp.

  --help     prints this text
  --version  prints the version

Qt&apos;s own options (for example -platform offscreen) are understood too.
</source>
        <translation>Aufruf: velkari-skin-editor [PROJEKT.vsp]

Startet den Velkari Skin Editor mit einem neuen Projekt oder mit PROJEKT.vsp.

  --help     gibt diesen Text aus
  --version  gibt die Version aus

Qts eigene Optionen (zum Beispiel -platform offscreen) werden ebenfalls verstanden.
</translation>
    </message>
</context>
<context>
    <name>velkari::CViziZareroDlg</name>
    <message>
        <source>Try Skin</source>
        <translation>Skin testen</translation>
    </message>
    <message>
        <source>Run the skin as the device would: tap keys, switch layouts, see what they type.</source>
        <translation>Den Skin so laufen lassen wie das Gerät: Tasten antippen, Layouts wechseln, sehen, was sie schreiben.</translation>
    </message>
    <message>
        <source>Add Layout</source>
        <translation>Neues Layout</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Sichern als</translation>
    </message>
    <message>
        <source>Create Skin</source>
        <translation>Skin erstellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Orientation and Resolution:</source>
        <translation>Ausrichtung und Auflösung:</translation>
    </message>
    <message>
        <source>Current Layout:</source>
        <translation>Aktuelles Layout:</translation>
    </message>
    <message>
        <source>Layout Properties</source>
        <translation>Layout-Eigenschaften</translation>
    </message>
    <message>
        <source>Copy Layout</source>
        <translation>Layout kopieren</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Textfarbe:</translation>
    </message>
    <message>
        <source>Highlight Color:</source>
        <translation>Hervorhebungsfarbe:</translation>
    </message>
    <message>
        <source>Help File Name:</source>
        <translation>Hilfedatei:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Derive Shapes...</source>
        <translation>Formen ableiten...</translation>
    </message>
    <message>
        <source>Import Layout...</source>
        <translation>Layout-Import...</translation>
    </message>
    <message>
        <source>Export Layout...</source>
        <translation>Layout-Export...</translation>
    </message>
</context>
<context>
    <name>velkari::CanvasView</name>
    <message>
        <source>Show keys</source>
        <translation>Tasten zeigen</translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <translation>&amp;Zoom:</translation>
    </message>
    <message>
        <source>Row %1: the keys are %2 pixels wide.</source>
        <translation>Zeile %1: Die Tasten sind %2 Pixel breit.</translation>
    </message>
    <message>
        <source>Row %1: the keys are %2 pixels wide; every row must be %3.</source>
        <translation>Zeile %1: Die Tasten sind %2 Pixel breit; jede Zeile muss %3 breit sein.</translation>
    </message>
    <message>
        <source>keys %1 × %2 px</source>
        <translation>Tasten %1 × %2 px</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>Cannot read the picture file &quot;%1&quot;</source>
        <translation>Die Bilddatei „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Picture %1 × %2 px</source>
        <translation>Bild %1 × %2 px</translation>
    </message>
    <message>
        <source>the sizes differ</source>
        <translation>die Größen weichen ab</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>This layout has no rows yet. Give it rows in &lt;a href=&quot;layout&quot;&gt;Layout Properties&lt;/a&gt;: choose &quot;No of Rows&quot; and the height of each row. Then click a row&apos;s &quot;New&quot; cell to add a key.</source>
        <translation>Dieses Layout hat noch keine Zeilen. Zeilen bekommt es in den &lt;a href=&quot;layout&quot;&gt;Layout-Eigenschaften&lt;/a&gt;: „Zeilenzahl“ und die Höhe jeder Zeile wählen. Dann fügt ein Klick auf das Feld „Neu“ einer Zeile eine Taste hinzu.</translation>
    </message>
    <message>
        <source>Click for Fit and Equal widths.</source>
        <translation>Klicken für Einpassen und gleiche Breiten.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;redraw&quot;&gt;Draw the picture again&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;redraw&quot;&gt;Bild neu zeichnen&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Draws the picture again from the keys, in the look it has.</source>
        <translation>Zeichnet das Bild neu aus den Tasten, im Aussehen, das es hat.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;scale&quot;&gt;Scale it into a new file&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;scale&quot;&gt;In eine neue Datei skalieren&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Scales the picture to the size of the keys and saves it as a new file beside it; your file stays as it is.</source>
        <translation>Skaliert das Bild auf die Größe der Tasten und speichert es als neue Datei daneben; Ihre Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>&amp;Fit to %1 pixels</source>
        <translation>Auf %1 Pixel &amp;einpassen</translation>
    </message>
    <message>
        <source>&amp;Equal widths at %1 pixels</source>
        <translation>&amp;Gleiche Breiten auf %1 Pixel</translation>
    </message>
</context>
<context>
    <name>velkari::ContainerDamage</name>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
    <message>
        <source>the file is larger than 4 GiB</source>
        <translation>die Datei ist größer als 4 GiB</translation>
    </message>
    <message>
        <source>the name at offset %1 runs past the end of %2</source>
        <translation>der Name bei Offset %1 reicht über das Ende von %2 hinaus</translation>
    </message>
    <message>
        <source>%1 ends with %2 bytes at offset %3 that are not a whole entry</source>
        <translation>%1 endet mit %2 Bytes bei Offset %3, die kein ganzer Eintrag sind</translation>
    </message>
    <message>
        <source>%1 at offset %2 claims %3 entries</source>
        <translation>%1 gibt bei Offset %2 %3 Einträge an</translation>
    </message>
    <message>
        <source>%1 at offset %2 claims %3 bytes, but only %4 remain in %5</source>
        <translation>%1 gibt bei Offset %2 %3 Bytes an, in %5 bleiben aber nur %4</translation>
    </message>
</context>
<context>
    <name>velkari::CrashRecovery</name>
    <message>
        <source>The recovery copy cannot be read, and is removed.</source>
        <translation>Die Wiederherstellungskopie kann nicht gelesen werden und wird entfernt.</translation>
    </message>
    <message>
        <source>The recovery copy is damaged (%1), and is removed.</source>
        <translation>Die Wiederherstellungskopie ist beschädigt (%1) und wird entfernt.</translation>
    </message>
</context>
<context>
    <name>velkari::DeriveShapesDlg</name>
    <message>
        <source>Derive Shapes</source>
        <translation>Formen ableiten</translation>
    </message>
    <message>
        <source>&amp;Copy the layouts of:</source>
        <translation>Layouts &amp;kopieren von:</translation>
    </message>
    <message>
        <source>Replace the layouts of:</source>
        <translation>Layouts ersetzen in:</translation>
    </message>
    <message>
        <source>The layouts are copied in the same order, so that Change Layout keys and drag-up layouts keep their targets; each row&apos;s keys are scaled to the screen&apos;s width, row heights to its resolution, and every layout gets a picture: drawn afresh, or the author&apos;s scaled into a new file.</source>
        <translation>Die Layouts werden in derselben Reihenfolge kopiert, sodass Layoutwechsel-Tasten und Hochzieh-Layouts ihre Ziele behalten; die Tasten jeder Zeile werden auf die Breite des Bildschirms skaliert, die Zeilenhöhen auf seine Auflösung, und jedes Layout bekommt ein Bild: neu gezeichnet oder das des Autors in eine neue Datei skaliert.</translation>
    </message>
    <message>
        <source>The project has no file yet: OK asks where to save it, and the pictures go beside it.</source>
        <translation>Das Projekt hat noch keine Datei: OK fragt, wo es gespeichert werden soll, und die Bilder kommen daneben.</translation>
    </message>
    <message>
        <source>&amp;First fit its rows to its screen, remove empty rows at the end and draw the pictures it lacks</source>
        <translation>&amp;Zuerst ihre Zeilen an den Bildschirm anpassen, leere Zeilen am Ende entfernen und fehlende Bilder zeichnen</translation>
    </message>
</context>
<context>
    <name>velkari::DerivedPictures</name>
    <message>
        <source>The picture of the layout &quot;%1&quot; was not drawn: the project has no folder for its pictures until it is saved.</source>
        <translation>Das Bild des Layouts „%1“ wurde nicht gezeichnet: Das Projekt hat erst einen Ordner für seine Bilder, wenn es gespeichert ist.</translation>
    </message>
    <message>
        <source>The picture of the layout &quot;%1&quot; could not be scaled.</source>
        <translation>Das Bild des Layouts „%1“ konnte nicht skaliert werden.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be read, so it cannot be scaled.</source>
        <translation>Das Bild „%1“ kann nicht gelesen und daher nicht skaliert werden.</translation>
    </message>
</context>
<context>
    <name>velkari::EditCommands</name>
    <message>
        <source>Error:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <source>Too many Layouts!</source>
        <translation>Zu viele Layouts!</translation>
    </message>
    <message>
        <source>Copied the layout &quot;%1&quot;. &quot;Paste Layout Info&quot; in the Layout Properties of another layout puts it there.</source>
        <translation>Das Layout „%1“ ist kopiert. „Layout-Info einfügen“ in den Layout-Eigenschaften eines anderen Layouts fügt es dort ein.</translation>
    </message>
    <message>
        <source>Copied the key &quot;%1&quot;. &quot;Paste Button Info&quot; in the Button Properties of another key puts it there.</source>
        <translation>Die Taste „%1“ ist kopiert. „Taste einfügen“ in den Tasten-Eigenschaften einer anderen Taste fügt sie dort ein.</translation>
    </message>
    <message>
        <source>Added the layout &quot;%1&quot; at the end of &quot;Current Layout&quot;; choose it there to give it keys.</source>
        <translation>Das Layout „%1“ steht nun am Ende von „Aktuelles Layout“; dort auswählen, um ihm Tasten zu geben.</translation>
    </message>
    <message>
        <source>Nothing has been copied: Ctrl+C on a key, or &quot;Copy this button&quot;, copies it.</source>
        <translation>Nichts ist kopiert: Strg+C auf einer Taste oder „Taste kopieren“ kopiert sie.</translation>
    </message>
    <message>
        <source>Drew the picture &quot;%1&quot; again from the keys.</source>
        <translation>Das Bild „%1“ ist neu aus den Tasten gezeichnet.</translation>
    </message>
    <message>
        <source>Scaled the picture into &quot;%1&quot;; the file it was made from is as it was.</source>
        <translation>Das Bild ist in „%1“ skaliert; die Datei, aus der es stammt, ist unverändert.</translation>
    </message>
</context>
<context>
    <name>velkari::EditorActions</name>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; cannot be found. Remove it from &quot;Open Recent&quot;?</source>
        <translation>Das Projekt „%1“ ist nicht zu finden. Aus „Zuletzt geöffnet“ entfernen?</translation>
    </message>
</context>
<context>
    <name>velkari::FileCommands</name>
    <message>
        <source>Do you want to save the changes!</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Invalid Velkari Skin Project File!</source>
        <translation>Ungültige Velkari-Skin-Projektdatei!</translation>
    </message>
    <message>
        <source>Open Velkari Skin Project</source>
        <translation>Velkari-Skin-Projekt öffnen</translation>
    </message>
    <message>
        <source>Velkari Skin Project Files (*.vsp)</source>
        <translation>Velkari-Skin-Projektdateien (*.vsp)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>velkari::FileError</name>
    <message>
        <source>An error occurred while writing &quot;%1&quot;.</source>
        <translation>Beim Schreiben von „%1“ ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An error occurred while reading &quot;%1&quot;.</source>
        <translation>Beim Lesen von „%1“ ist ein Fehler aufgetreten.</translation>
    </message>
</context>
<context>
    <name>velkari::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Hilfe zu %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;A skin tells the on-screen keyboard what its keys look like and what they do, for each of four screen shapes: Portrait, Landscape, Hi-Res. Portrait and Hi-Res. Landscape. Each shape has its own list of layouts; a layout is a picture of the keys and up to six rows of keys drawn over it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ein Skin sagt der Bildschirmtastatur, wie ihre Tasten aussehen und was sie tun, für jede der vier Bildschirmformen: Hochformat, Querformat, Hochformat (hohe Auflösung) und Querformat (hohe Auflösung). Jede Form hat ihre eigene Liste von Layouts; ein Layout ist ein Bild der Tasten mit bis zu sechs Tastenreihen darüber.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Starting a layout&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Draw the keyboard picture in any paint program and save it as a GIF or BMP file. Draw it at the real size of the device&apos;s screen: 240 or 320 pixels wide for the low-resolution shapes, 480 or 640 for the Hi-Res. ones.&lt;/li&gt;&lt;li&gt;Choose the shape in &lt;b&gt;Orientation and Resolution&lt;/b&gt; and press &lt;b&gt;Layout Properties&lt;/b&gt; (or &lt;b&gt;Add Layout&lt;/b&gt; for another one). Give the layout a name, &lt;b&gt;Browse&lt;/b&gt; for its picture, choose the number of rows and type each row&apos;s height in pixels.&lt;/li&gt;&lt;li&gt;Click a &lt;b&gt;New&lt;/b&gt; cell of a row to add a key: give it a caption, its width in pixels and what it does (send a character, change the layout, a calculator key, a task-manager action, a macro or a shortcut). A key&apos;s own cell offers to insert a copy before or after it, or to delete it.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;h3&gt;Ein Layout anlegen&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Zeichnen Sie das Tastaturbild in einem beliebigen Malprogramm und speichern Sie es als GIF- oder BMP-Datei. Zeichnen Sie es in der echten Größe des Gerätebildschirms: 240 oder 320 Pixel breit für die Formen mit niedriger Auflösung, 480 oder 640 für die mit hoher Auflösung.&lt;/li&gt;&lt;li&gt;Wählen Sie die Form unter &lt;b&gt;Ausrichtung und Auflösung&lt;/b&gt; und drücken Sie &lt;b&gt;Layout-Eigenschaften&lt;/b&gt; (oder &lt;b&gt;Neues Layout&lt;/b&gt; für ein weiteres). Geben Sie dem Layout einen Namen, wählen Sie mit &lt;b&gt;Auswählen&lt;/b&gt; sein Bild, legen Sie die Zahl der Zeilen fest und tragen Sie die Höhe jeder Zeile in Pixeln ein.&lt;/li&gt;&lt;li&gt;Klicken Sie auf eine &lt;b&gt;Neu&lt;/b&gt;-Zelle einer Zeile, um eine Taste hinzuzufügen: Geben Sie ihr eine Beschriftung, ihre Breite in Pixeln und ihre Funktion (ein Zeichen senden, das Layout wechseln, eine Rechnertaste, eine Aktion des Taskmanagers, ein Makro oder ein Verweis). Die eigene Zelle einer Taste bietet an, eine Kopie vor oder hinter ihr einzufügen oder sie zu löschen.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Copy Layout&lt;/b&gt; remembers the current layout; &lt;b&gt;Paste Layout Info&lt;/b&gt; in another layout&apos;s properties copies it there, rows and keys included. Keys copy and paste the same way in their own dialog.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Layout kopieren&lt;/b&gt; merkt sich das aktuelle Layout; &lt;b&gt;Layout-Info einfügen&lt;/b&gt; in den Eigenschaften eines anderen Layouts überträgt es dorthin, samt Zeilen und Tasten. Tasten werden auf dieselbe Weise in ihrem eigenen Dialog kopiert und eingefügt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;What the grid shows&lt;/h3&gt;&lt;p&gt;The grid shows the current layout&apos;s rows from top to bottom and each row&apos;s keys from left to right, drawn to scale: one pixel per screen pixel for the Hi-Res. shapes, two for the others. The last cell of every row, &lt;b&gt;New&lt;/b&gt;, is where the next key goes; it is not part of the skin. The layout&apos;s picture is shown under the grid at its real size. Rest the mouse on a key to read what it does in the status area at the bottom.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Was das Raster zeigt&lt;/h3&gt;&lt;p&gt;Das Raster zeigt die Zeilen des aktuellen Layouts von oben nach unten und die Tasten jeder Zeile von links nach rechts, maßstabsgetreu: ein Pixel je Bildschirmpixel für die Formen mit hoher Auflösung, zwei für die anderen. Die letzte Zelle jeder Zeile, &lt;b&gt;Neu&lt;/b&gt;, ist der Platz für die nächste Taste; sie gehört nicht zum Skin. Das Bild des Layouts wird unter dem Raster in seiner echten Größe gezeigt. Lassen Sie die Maus auf einer Taste ruhen, um im Statusbereich unten zu lesen, was sie tut.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Creating the skin&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Create Skin&lt;/b&gt; saves the project if needed and checks every layout of every shape: each needs a picture file that can be read, at least one row, rows and keys that are not 0 pixels high or wide, and rows whose keys (the New cell not counted) add up to the same width, which must be 240, 320, 480 or 640 pixels. The first problem found is shown and nothing is written; fix it and try again.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Den Skin erstellen&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Skin erstellen&lt;/b&gt; speichert das Projekt, wenn nötig, und prüft jedes Layout jeder Form: Jedes braucht eine lesbare Bilddatei, mindestens eine Zeile, Zeilen und Tasten, die nicht 0 Pixel hoch oder breit sind, und Zeilen, deren Tasten (ohne die Neu-Zelle) zusammen dieselbe Breite ergeben, und zwar 240, 320, 480 oder 640 Pixel. Das erste gefundene Problem wird angezeigt und nichts geschrieben; beheben Sie es und versuchen Sie es erneut.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Where the files go&lt;/h3&gt;&lt;p&gt;The project is saved as a &lt;code&gt;.vsp&lt;/code&gt; file; pictures are remembered relative to it, so a folder holding the project and its pictures can be moved as a whole. The skin is written beside the project with the same name and the extension &lt;code&gt;.vsk&lt;/code&gt;, with the pictures inside it: the skin file is all the device needs.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Wohin die Dateien gehen&lt;/h3&gt;&lt;p&gt;Das Projekt wird als &lt;code&gt;.vsp&lt;/code&gt;-Datei gespeichert; Bilder werden relativ zu ihr vermerkt, sodass ein Ordner mit dem Projekt und seinen Bildern als Ganzes verschoben werden kann. Der Skin wird neben das Projekt geschrieben, mit demselben Namen und der Endung &lt;code&gt;.vsk&lt;/code&gt;, die Bilder darin enthalten: Die Skin-Datei ist alles, was das Gerät braucht.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Letting the editor draw&lt;/h3&gt;&lt;p&gt;&lt;b&gt;New&lt;/b&gt; offers a template besides the empty project: whole keyboards for every shape, whose pictures the editor draws from their keys and saves beside the project, so that &lt;b&gt;Create Skin&lt;/b&gt; works at once. After changing a layout&apos;s keys, &lt;b&gt;Draw Picture&lt;/b&gt; in &lt;b&gt;Layout Properties&lt;/b&gt; draws its picture again to fit them.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Den Editor zeichnen lassen&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Neu&lt;/b&gt; bietet neben dem leeren Projekt Vorlagen an: ganze Tastaturen für jede Bildschirmform, deren Bilder der Editor aus ihren Tasten zeichnet und neben dem Projekt speichert, sodass &lt;b&gt;Skin erstellen&lt;/b&gt; sofort gelingt. Nachdem Sie die Tasten eines Layouts geändert haben, zeichnet &lt;b&gt;Bild zeichnen&lt;/b&gt; in &lt;b&gt;Layout-Eigenschaften&lt;/b&gt; sein Bild passend neu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The grid by keyboard&lt;/h3&gt;&lt;p&gt;The grid is one stop of the Tab key, and the key with the focus is framed. The arrow keys move to the next key or to the row above or below; Home and End to the row&apos;s first key and its New cell, Ctrl+Home and Ctrl+End to the first row and the last. Enter or Space opens the key&apos;s properties (on New it adds a key), Delete deletes the key, Insert inserts a copy after it, Ctrl+C and Ctrl+V copy and paste it, and Alt with an arrow key moves it; a key can also be dragged with the mouse, into another row too. Each change is one step of Undo. In the key&apos;s properties, &lt;b&gt;Press a key...&lt;/b&gt; fills Char and VK from a key you press, and VK also takes names such as Enter, F5 or Shift.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Das Raster mit der Tastatur&lt;/h3&gt;&lt;p&gt;Das Raster ist ein einziger Halt der Tabulatortaste, und die Taste mit dem Fokus ist umrahmt. Die Pfeiltasten gehen zur nächsten Taste oder in die Zeile darüber oder darunter, Pos1 und Ende zur ersten Taste der Zeile und zu ihrer Neu-Zelle, Strg+Pos1 und Strg+Ende zur ersten und zur letzten Zeile. Eingabe oder Leertaste öffnet die Eigenschaften der Taste (auf Neu fügt sie eine Taste hinzu), Entf löscht die Taste, Einfg fügt dahinter eine Kopie ein, Strg+C und Strg+V kopieren und setzen sie ein, und Alt mit einer Pfeiltaste verschiebt sie; eine Taste lässt sich auch mit der Maus ziehen, auch in eine andere Zeile. Jede Änderung ist ein Schritt von Rückgängig. In den Eigenschaften der Taste füllt &lt;b&gt;Taste drücken...&lt;/b&gt; Char und VK aus einer gedrückten Taste, und VK nimmt auch Namen wie Enter, F5 oder Shift.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;One shape designed, four derived&lt;/h3&gt;&lt;p&gt;The number beside a row adds up its keys&apos; widths; it is red when they do not fill the screen. Click it to &lt;b&gt;Fit&lt;/b&gt; the keys to the screen&apos;s width or to give them &lt;b&gt;Equal widths&lt;/b&gt;. Once one shape is designed, &lt;b&gt;Derive Shapes...&lt;/b&gt; makes the others from it: the same layouts in the same order, each row&apos;s keys scaled to the screen&apos;s width and row heights to its resolution, pictures drawn afresh or the author&apos;s scaled into new files, all in one step of Undo.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Import Layout...&lt;/b&gt; adds a layout from keyboard-layout-editor.com (its downloaded JSON or its Raw data) to the current shape, with a picture drawn for it; &lt;b&gt;Export Layout...&lt;/b&gt; writes the current layout in that format. &lt;b&gt;Read Keys from Picture&lt;/b&gt; in Layout Properties measures the rows and keys off the layout&apos;s picture and sets their heights and widths.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Eine Form gestaltet, vier abgeleitet&lt;/h3&gt;&lt;p&gt;Die Zahl neben einer Zeile ist die Summe der Breiten ihrer Tasten; sie ist rot, wenn die Tasten den Bildschirm nicht füllen. Ein Klick darauf bietet an, die Tasten auf die Breite des Bildschirms &lt;b&gt;einzupassen&lt;/b&gt; oder ihnen &lt;b&gt;gleiche Breiten&lt;/b&gt; zu geben. Ist eine Form gestaltet, erzeugt &lt;b&gt;Formen ableiten...&lt;/b&gt; die anderen daraus: dieselben Layouts in derselben Reihenfolge, die Tasten jeder Zeile auf die Breite des Bildschirms skaliert und die Zeilenhöhen auf seine Auflösung, die Bilder neu gezeichnet oder die des Autors in neue Dateien skaliert, alles in einem Schritt von Rückgängig.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Layout-Import...&lt;/b&gt; fügt der aktuellen Form ein Layout von keyboard-layout-editor.com hinzu (sein heruntergeladenes JSON oder seine Raw data), samt einem dafür gezeichneten Bild; &lt;b&gt;Layout-Export...&lt;/b&gt; schreibt das aktuelle Layout in diesem Format. &lt;b&gt;Tasten aus Bild lesen&lt;/b&gt; in den Layout-Eigenschaften misst die Zeilen und Tasten im Bild des Layouts aus und setzt ihre Höhen und Breiten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Problems&lt;/h3&gt;&lt;p&gt;The &lt;b&gt;Problems&lt;/b&gt; button counts the project&apos;s errors and warnings, for example &lt;b&gt;Problems (2 · 5)&lt;/b&gt;, and opens a list of them all by shape and layout, kept up to date while you edit. Errors stop Create Skin; warnings do not, but each is almost surely a mistake: a picture of another size than its keys, a key that opens a layout that does not exist, a layout no key leads to. Double-click a problem, or press Enter on it, to open the key&apos;s or the layout&apos;s properties; a row of the wrong width is shown in the grid instead, with Fit offered.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Probleme&lt;/h3&gt;&lt;p&gt;Die Schaltfläche &lt;b&gt;Probleme&lt;/b&gt; zählt die Fehler und Warnungen des Projekts, zum Beispiel &lt;b&gt;Probleme (2 · 5)&lt;/b&gt;, und öffnet eine Liste aller, nach Form und Layout geordnet, die beim Bearbeiten stets aktuell bleibt. Fehler halten &lt;b&gt;Skin erstellen&lt;/b&gt; auf, Warnungen nicht, doch jede ist mit großer Wahrscheinlichkeit ein Versehen: ein Bild, das anders groß ist als seine Tasten, eine Taste, die ein Layout öffnet, das es nicht gibt, ein Layout, zu dem keine Taste führt. Doppelklicken Sie auf ein Problem oder drücken Sie darauf die Eingabetaste, um die Eigenschaften der Taste oder des Layouts zu öffnen; eine Zeile mit falscher Breite wird stattdessen im Raster gezeigt, mit dem Angebot, sie einzupassen.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>velkari::KeyMapLayout</name>
    <message>
        <source>Set from the picture: %1 row heights, %2 key widths.</source>
        <translation>Aus dem Bild übernommen: %1 Zeilenhöhen, %2 Tastenbreiten.</translation>
    </message>
    <message>
        <source>Rows added: %1.</source>
        <translation>Hinzugefügte Zeilen: %1.</translation>
    </message>
    <message>
        <source>Blank keys added: %1.</source>
        <translation>Hinzugefügte leere Tasten: %1.</translation>
    </message>
    <message>
        <source>Rows removed: %1.</source>
        <translation>Entfernte Zeilen: %1.</translation>
    </message>
    <message>
        <source>Removed: row %1, key %2 &quot;%3&quot;.</source>
        <translation>Entfernt: Zeile %1, Taste %2 „%3“.</translation>
    </message>
    <message>
        <source>Left out: the picture&apos;s rows after the 6th (%1).</source>
        <translation>Ausgelassen: die Zeilen des Bildes nach der 6. (%1).</translation>
    </message>
    <message>
        <source>Left out: the picture&apos;s keys after the 29th in row %1 (%2).</source>
        <translation>Ausgelassen: die Tasten des Bildes nach der 29. in Zeile %1 (%2).</translation>
    </message>
</context>
<context>
    <name>velkari::KeyboardDevice</name>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Ctrl+</source>
        <translation>Strg+</translation>
    </message>
    <message>
        <source>Alt+</source>
        <translation>Alt+</translation>
    </message>
    <message>
        <source>Shift+</source>
        <translation>Umschalt+</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>VK:%1</source>
        <translation>VK:%1</translation>
    </message>
    <message>
        <source>key %1,%2</source>
        <translation>Taste %1,%2</translation>
    </message>
    <message>
        <source>the shape has no layouts</source>
        <translation>die Bildschirmform hat keine Layouts</translation>
    </message>
    <message>
        <source>the keyboard is hidden</source>
        <translation>die Tastatur ist ausgeblendet</translation>
    </message>
    <message>
        <source>no key there</source>
        <translation>dort ist keine Taste</translation>
    </message>
    <message>
        <source>layout %1 has no key %2,%3</source>
        <translation>Layout %1 hat keine Taste %2,%3</translation>
    </message>
    <message>
        <source>releases toggle %1</source>
        <translation>löst Umschaltung %1</translation>
    </message>
    <message>
        <source>holds toggle %1 (%2)</source>
        <translation>hält Umschaltung %1 (%2)</translation>
    </message>
    <message>
        <source>returns to layout %1</source>
        <translation>kehrt zu Layout %1 zurück</translation>
    </message>
    <message>
        <source>chord %1, not typed</source>
        <translation>Tastenkombination %1, nicht geschrieben</translation>
    </message>
    <message>
        <source>sends %1</source>
        <translation>sendet %1</translation>
    </message>
    <message>
        <source>sends nothing</source>
        <translation>sendet nichts</translation>
    </message>
    <message>
        <source>names no layout</source>
        <translation>nennt kein Layout</translation>
    </message>
    <message>
        <source>switches to layout %1</source>
        <translation>wechselt zu Layout %1</translation>
    </message>
    <message>
        <source>layout %1 does not exist</source>
        <translation>Layout %1 gibt es nicht</translation>
    </message>
    <message>
        <source>the display shows no number</source>
        <translation>die Anzeige zeigt keine Zahl</translation>
    </message>
    <message>
        <source>calculator %1: display %2</source>
        <translation>Rechner %1: Anzeige %2</translation>
    </message>
    <message>
        <source>calculator key %1 does not exist</source>
        <translation>Rechnertaste %1 gibt es nicht</translation>
    </message>
    <message>
        <source>action %1 does not exist</source>
        <translation>Aktion %1 gibt es nicht</translation>
    </message>
    <message>
        <source>types a line break</source>
        <translation>schreibt einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>types %1</source>
        <translation>schreibt %1</translation>
    </message>
    <message>
        <source>erases nothing</source>
        <translation>löscht nichts</translation>
    </message>
    <message>
        <source>erases a character</source>
        <translation>löscht ein Zeichen</translation>
    </message>
    <message>
        <source>layout %1 has no drag-up layout</source>
        <translation>Layout %1 hat kein Hochzieh-Layout</translation>
    </message>
    <message>
        <source>drag-up layout %1 does not exist</source>
        <translation>Hochzieh-Layout %1 gibt es nicht</translation>
    </message>
    <message>
        <source>resets to layout 0</source>
        <translation>setzt auf Layout 0 zurück</translation>
    </message>
    <message>
        <source>the keyboard is already hidden</source>
        <translation>die Tastatur ist schon ausgeblendet</translation>
    </message>
    <message>
        <source>the keyboard is already shown</source>
        <translation>die Tastatur ist schon eingeblendet</translation>
    </message>
    <message>
        <source>hides the keyboard</source>
        <translation>blendet die Tastatur aus</translation>
    </message>
    <message>
        <source>shows the keyboard</source>
        <translation>blendet die Tastatur ein</translation>
    </message>
</context>
<context>
    <name>velkari::KeyboardPainter</name>
    <message>
        <source>The layout &quot;%1&quot; has no keys to draw (its key map is %2 × %3 pixels).</source>
        <translation>Das Layout „%1“ hat keine Tasten zum Zeichnen (seine Tastenkarte ist %2 × %3 Pixel groß).</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; is %2 × %3 pixels; a picture is drawn for at most %4 pixels a side.</source>
        <translation>Das Layout „%1“ ist %2 × %3 Pixel groß; ein Bild wird für höchstens %4 Pixel je Seite gezeichnet.</translation>
    </message>
</context>
<context>
    <name>velkari::KleImport</name>
    <message>
        <source>row %1, key %2</source>
        <translation>Reihe %1, Taste %2</translation>
    </message>
    <message>
        <source>row %1, key %2 (&quot;%3&quot;)</source>
        <translation>Reihe %1, Taste %2 („%3“)</translation>
    </message>
    <message>
        <source>row %1 of the file: it holds no keys</source>
        <translation>Reihe %1 der Datei: Sie hat keine Tasten</translation>
    </message>
    <message>
        <source>%1: it is rotated by %2 degrees; the keys of a row cannot be rotated.</source>
        <translation>%1: Sie ist um %2 Grad gedreht; die Tasten einer Reihe lassen sich nicht drehen.</translation>
    </message>
    <message>
        <source>%1 of the file: the gap of %2 key heights above it</source>
        <translation>%1 der Datei: der Abstand von %2 Tastenhöhen darüber</translation>
    </message>
    <message>
        <source>%1 of the file: its move up by %2 key heights</source>
        <translation>%1 der Datei: ihre Verschiebung um %2 Tastenhöhen nach oben</translation>
    </message>
    <message>
        <source>The layout has %1 rows; a layout holds at most %2.</source>
        <translation>Das Layout hat %1 Reihen; ein Layout fasst höchstens %2.</translation>
    </message>
    <message>
        <source>%1: it overlaps key %2 by %3 key widths; the keys of a row sit side by side.</source>
        <translation>%1: Sie überdeckt Taste %2 um %3 Tastenbreiten; die Tasten einer Reihe liegen nebeneinander.</translation>
    </message>
    <message>
        <source>the gap of %1 key widths</source>
        <translation>der Abstand von %1 Tastenbreiten</translation>
    </message>
    <message>
        <source>under the key %1 of row %2 of the file, which is taller</source>
        <translation>unter der höheren Taste %1 aus Reihe %2 der Datei</translation>
    </message>
    <message>
        <source>a decal</source>
        <translation>ein Aufkleber</translation>
    </message>
    <message>
        <source>fills the row to the width of the widest</source>
        <translation>füllt die Reihe auf die Breite der breitesten auf</translation>
    </message>
    <message>
        <source>Row %1 of the file would have %2 keys with the blank keys for its gaps; a row holds at most %3.</source>
        <translation>Reihe %1 der Datei hätte mit den leeren Tasten für ihre Abstände %2 Tasten; eine Reihe fasst höchstens %3.</translation>
    </message>
    <message>
        <source>Characters (%1): %2
</source>
        <translation>Zeichen (%1): %2
</translation>
    </message>
    <message>
        <source>Named keys (%1): %2
</source>
        <translation>Benannte Tasten (%1): %2
</translation>
    </message>
    <message>
        <source>Blank keys (%1):
</source>
        <translation>Leere Tasten (%1):
</translation>
    </message>
    <message>
        <source>  row %1, key %2: %3
</source>
        <translation>  Reihe %1, Taste %2: %3
</translation>
    </message>
    <message>
        <source>  row %1, key %2 &quot;%3&quot;: %4
</source>
        <translation>  Reihe %1, Taste %2 „%3“: %4
</translation>
    </message>
    <message>
        <source>Dropped (%1):
</source>
        <translation>Weggelassen (%1):
</translation>
    </message>
    <message>
        <source>%1 holds %2 layouts already; a shape takes a new layout only while it holds fewer than %3.</source>
        <translation>%1 hat schon %2 Layouts; eine Bildschirmform nimmt nur ein neues Layout auf, solange sie weniger als %3 hat.</translation>
    </message>
</context>
<context>
    <name>velkari::KleReader</name>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>row %1, key %2 (line %3, column %4)</source>
        <translation>Reihe %1, Taste %2 (Zeile %3, Spalte %4)</translation>
    </message>
    <message>
        <source>Reading stopped at %1: %2</source>
        <translation>Das Lesen endete bei %1: %2</translation>
    </message>
    <message>
        <source>The layout holds no keys.</source>
        <translation>Das Layout hat keine Tasten.</translation>
    </message>
    <message>
        <source>A keyboard layout begins with &apos;[&apos; or &apos;{&apos;.</source>
        <translation>Ein Tastaturlayout beginnt mit „[“ oder „{“.</translation>
    </message>
    <message>
        <source>Only the first entry may be the layout&apos;s metadata.</source>
        <translation>Nur der erste Eintrag darf die Angaben zum Layout enthalten.</translation>
    </message>
    <message>
        <source>Every row is an array of legends.</source>
        <translation>Jede Reihe ist eine Liste von Beschriftungen.</translation>
    </message>
    <message>
        <source>Text follows the end of the layout.</source>
        <translation>Nach dem Ende des Layouts folgt noch Text.</translation>
    </message>
    <message>
        <source>The layout has more than %1 rows.</source>
        <translation>Das Layout hat mehr als %1 Reihen.</translation>
    </message>
    <message>
        <source>A row holds legend texts and objects of properties, nothing else.</source>
        <translation>Eine Reihe enthält Beschriftungen und Objekte mit Eigenschaften, sonst nichts.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <translation>„%1“ muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2; it must be above %3 and at most %4.</source>
        <translation>„%1“ ist %2; der Wert muss größer als %3 und höchstens %4 sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2; it must be from %3 to %4.</source>
        <translation>„%1“ ist %2; der Wert muss zwischen %3 und %4 liegen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <translation>„%1“ muss true oder false sein.</translation>
    </message>
    <message>
        <source>The row has more than %1 keys.</source>
        <translation>Die Reihe hat mehr als %1 Tasten.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Es ist keine Datei.</translation>
    </message>
</context>
<context>
    <name>velkari::LayoutPictures</name>
    <message>
        <source>The folder cannot be created.</source>
        <translation>Der Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The picture of the layout &quot;%1&quot; could not be drawn.</source>
        <translation>Das Bild des Layouts „%1“ konnte nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>velkari::LegendMapping</name>
    <message>
        <source>no legend</source>
        <translation>keine Beschriftung</translation>
    </message>
    <message>
        <source>a character beyond U+FFFF, which a key cannot send</source>
        <translation>ein Zeichen jenseits von U+FFFF, das eine Taste nicht senden kann</translation>
    </message>
    <message>
        <source>not a key name</source>
        <translation>kein Tastenname</translation>
    </message>
</context>
<context>
    <name>velkari::LenientJsonReader</name>
    <message>
        <source>The text is larger than %1 MiB; no keyboard layout is that large.</source>
        <translation>Der Text ist größer als %1 MiB; so groß ist kein Tastaturlayout.</translation>
    </message>
    <message>
        <source>Expected a comma or the end of the text.</source>
        <translation>Erwartet wurde ein Komma oder das Ende des Textes.</translation>
    </message>
    <message>
        <source>The text ends early.</source>
        <translation>Der Text endet zu früh.</translation>
    </message>
    <message>
        <source>Expected a comma or &apos;]&apos;.</source>
        <translation>Erwartet wurde ein Komma oder „]“.</translation>
    </message>
    <message>
        <source>Expected a comma or &apos;}&apos;.</source>
        <translation>Erwartet wurde ein Komma oder „}“.</translation>
    </message>
    <message>
        <source>A property name is longer than %1 characters.</source>
        <translation>Ein Eigenschaftsname ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>Expected a property name or &apos;}&apos;.</source>
        <translation>Erwartet wurde ein Eigenschaftsname oder „}“.</translation>
    </message>
    <message>
        <source>Expected &apos;:&apos; after the property name &quot;%1&quot;.</source>
        <translation>Erwartet wurde „:“ nach dem Eigenschaftsnamen „%1“.</translation>
    </message>
    <message>
        <source>The text is empty.</source>
        <translation>Der Text ist leer.</translation>
    </message>
    <message>
        <source>Arrays and objects are nested more than %1 deep.</source>
        <translation>Listen und Objekte sind tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>Unexpected %1.</source>
        <translation>Unerwartet: %1.</translation>
    </message>
    <message>
        <source>A string is not closed.</source>
        <translation>Eine Zeichenkette ist nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>A string holds a control character; write a line break as \n.</source>
        <translation>Eine Zeichenkette enthält ein Steuerzeichen; ein Zeilenumbruch wird als \n geschrieben.</translation>
    </message>
    <message>
        <source>\u needs four hexadecimal digits.</source>
        <translation>\u braucht vier Hexadezimalziffern.</translation>
    </message>
    <message>
        <source>Unknown escape \%1 in a string.</source>
        <translation>Unbekannte Escape-Folge \%1 in einer Zeichenkette.</translation>
    </message>
    <message>
        <source>A number is longer than %1 characters.</source>
        <translation>Eine Zahl ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number that can be read.</source>
        <translation>„%1“ ist keine lesbare Zahl.</translation>
    </message>
    <message>
        <source>Unexpected word &quot;%1&quot;; a text needs quotes.</source>
        <translation>Unerwartetes Wort „%1“; ein Text braucht Anführungszeichen.</translation>
    </message>
</context>
<context>
    <name>velkari::PictureView</name>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
</context>
<context>
    <name>velkari::PreviewWindow</name>
    <message>
        <source>Try Skin</source>
        <translation>Skin testen</translation>
    </message>
    <message>
        <source>S&amp;creen shape:</source>
        <translation>&amp;Bildschirmform:</translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <translation>&amp;Zoom:</translation>
    </message>
    <message>
        <source>Show &amp;keys</source>
        <translation>&amp;Tasten zeigen</translation>
    </message>
    <message>
        <source>The keyboard is hidden. Show brings it back.</source>
        <translation>Die Tastatur ist ausgeblendet. „Einblenden“ holt sie zurück.</translation>
    </message>
    <message>
        <source>Click a key to tap it; drag upwards for the drag-up layout.</source>
        <translation>Taste anklicken tippt sie an; nach oben ziehen wechselt zum Hochzieh-Layout.</translation>
    </message>
    <message>
        <source>Calculator:</source>
        <translation>Rechner:</translation>
    </message>
    <message>
        <source>&amp;Drag Up</source>
        <translation>&amp;Hochziehen</translation>
    </message>
    <message>
        <source>Switches to the layout&apos;s drag-up layout, as a stroke upwards over the keyboard does.</source>
        <translation>Wechselt zum Hochzieh-Layout des Layouts, wie ein Strich nach oben über die Tastatur.</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>Hides or shows the keyboard, as the device does when a program asks for it.</source>
        <translation>Blendet die Tastatur aus oder ein, wie das Gerät es tut, wenn ein Programm danach verlangt.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>Starts again on layout 0 with nothing held, typed or calculated.</source>
        <translation>Beginnt neu auf Layout 0, ohne gehaltene Tasten, Text oder Rechnung.</translation>
    </message>
    <message>
        <source>&amp;Typed text:</source>
        <translation>&amp;Geschriebener Text:</translation>
    </message>
    <message>
        <source>What the keys type appears here.</source>
        <translation>Was die Tasten schreiben, erscheint hier.</translation>
    </message>
    <message>
        <source>&amp;Events:</source>
        <translation>&amp;Ereignisse:</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>the picture cannot be read</source>
        <translation>das Bild kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>no keys</source>
        <translation>keine Tasten</translation>
    </message>
    <message>
        <source>This shape has no layouts.</source>
        <translation>Diese Bildschirmform hat keine Layouts.</translation>
    </message>
    <message>
        <source>Layout %1: %2</source>
        <translation>Layout %1: %2</translation>
    </message>
    <message>
        <source>held down: %1</source>
        <translation>gehalten: %1</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>Einb&amp;lenden</translation>
    </message>
</context>
<context>
    <name>velkari::ProblemsPanel</name>
    <message>
        <source>Row %1, key %2: %3</source>
        <translation>Zeile %1, Taste %2: %3</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Problems (%1 · %2)</source>
        <translation>Probleme (%1 · %2)</translation>
    </message>
    <message>
        <source>%1 of %2 layouts have a picture that cannot be read, among them &quot;%3&quot;; Problems lists them all.</source>
        <translation>Bei %1 von %2 Layouts lässt sich das Bild nicht lesen, darunter „%3“; die Liste der Probleme nennt sie alle.</translation>
    </message>
    <message>
        <source>Layout %1</source>
        <translation>Layout %1</translation>
    </message>
    <message>
        <source>%1 of %2 layouts have a picture that cannot be read: put the files back where the project expects them, or choose the pictures again in Layout Properties.</source>
        <translation>Bei %1 von %2 Layouts lässt sich das Bild nicht lesen: Legen Sie die Dateien dorthin zurück, wo das Projekt sie erwartet, oder wählen Sie die Bilder in den Layout-Eigenschaften neu.</translation>
    </message>
    <message>
        <source>No errors and no warnings: the skin can be created.</source>
        <translation>Keine Fehler und keine Warnungen: Der Skin kann erstellt werden.</translation>
    </message>
    <message>
        <source>Errors stop Create Skin; warnings do not.</source>
        <translation>Fehler halten „Skin erstellen“ auf, Warnungen nicht.</translation>
    </message>
    <message>
        <source>Warnings do not stop Create Skin, but each is almost surely a mistake.</source>
        <translation>Warnungen halten „Skin erstellen“ nicht auf, doch jede ist mit großer Wahrscheinlichkeit ein Versehen.</translation>
    </message>
    <message>
        <source>Double-click a problem, or press Enter on it, to open what needs mending.</source>
        <translation>Doppelklicken Sie auf ein Problem oder drücken Sie darauf die Eingabetaste, um zu öffnen, was zu beheben ist.</translation>
    </message>
    <message>
        <source>Width needed: %1 pixels (%2).</source>
        <translation>Nötige Breite: %1 Pixel (%2).</translation>
    </message>
    <message>
        <source>Warnings remaining: %1 (Problems lists them).</source>
        <translation>Verbleibende Warnungen: %1 (die Liste der Probleme nennt sie).</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be decoded.</source>
        <translation>Das Bild „%1“ lässt sich nicht dekodieren.</translation>
    </message>
    <message>
        <source>%1 pictures cannot be decoded, among them &quot;%2&quot;.</source>
        <translation>%1 Bilder lassen sich nicht dekodieren, darunter „%2“.</translation>
    </message>
</context>
<context>
    <name>velkari::ProjectChecker</name>
    <message>
        <source>The %1 code %2 is not one of 0 to %3; choose the key&apos;s function again.</source>
        <translation>Der Code %2 für %1 liegt nicht zwischen 0 und %3; wählen Sie die Funktion der Taste neu.</translation>
    </message>
    <message>
        <source>calculator key</source>
        <translation>die Rechnertaste</translation>
    </message>
    <message>
        <source>task action</source>
        <translation>die Task-Aktion</translation>
    </message>
    <message>
        <source>macro action</source>
        <translation>die Makro-Aktion</translation>
    </message>
    <message>
        <source>shortcut type</source>
        <translation>die Verweisart</translation>
    </message>
    <message>
        <source>The key changes the layout but has no target; choose the layout it opens.</source>
        <translation>Die Taste wechselt das Layout, hat aber kein Ziel; wählen Sie das Layout, das sie öffnet.</translation>
    </message>
    <message>
        <source>The key changes to layout number %1, but the shape&apos;s layouts are numbered 0 to %2; choose the layout it opens.</source>
        <translation>Die Taste wechselt zu Layout Nummer %1, aber die Layouts der Bildschirmform sind von 0 bis %2 nummeriert; wählen Sie das Layout, das sie öffnet.</translation>
    </message>
    <message>
        <source>The character U+%1 is half of a surrogate pair and means nothing on its own; choose a character below U+D800 or from U+E000 on.</source>
        <translation>Das Zeichen U+%1 ist die Hälfte eines Surrogatpaars und bedeutet allein nichts; wählen Sie ein Zeichen unter U+D800 oder ab U+E000.</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>The layout has %1 %2 keys and the skin records only the last (row %3, key %4); give this key another character or key code.</source>
        <translation>Das Layout hat %1 Tasten „%2“, und der Skin vermerkt nur die letzte (Zeile %3, Taste %4); geben Sie dieser Taste ein anderes Zeichen oder einen anderen Tastencode.</translation>
    </message>
    <message>
        <source>The picture file &quot;%1&quot; is neither a GIF nor a BMP picture that can be read; save the picture as GIF or BMP.</source>
        <translation>Die Bilddatei „%1“ ist weder ein lesbares GIF- noch ein lesbares BMP-Bild; speichern Sie das Bild als GIF oder BMP.</translation>
    </message>
    <message>
        <source>The picture is %1 x %2 pixels but the keys cover %3 x %4 pixels; make the picture as large as the keys, or the keys as large as the picture.</source>
        <translation>Das Bild ist %1 x %2 Pixel groß, die Tasten decken aber %3 x %4 Pixel ab; machen Sie das Bild so groß wie die Tasten oder die Tasten so groß wie das Bild.</translation>
    </message>
    <message>
        <source>The layout is %1 pixels wide but the %2 screen is %3; make the keys of every row add up to %3.</source>
        <translation>Das Layout ist %1 Pixel breit, der Bildschirm „%2“ aber %3; lassen Sie die Tasten jeder Zeile zusammen %3 ergeben.</translation>
    </message>
    <message>
        <source>The drag-up layout is number %1, but the shape&apos;s layouts are numbered 0 to %2; choose the drag-up layout again.</source>
        <translation>Das Hochzieh-Layout ist Nummer %1, aber die Layouts der Bildschirmform sind von 0 bis %2 nummeriert; wählen Sie das Hochzieh-Layout neu.</translation>
    </message>
    <message>
        <source>No Change Layout key or drag-up layout leads here from &quot;%1&quot;, the shape&apos;s first layout; add a key that opens this layout, or remove it.</source>
        <translation>Keine Layoutwechsel-Taste und kein Hochzieh-Layout führt von „%1“, dem ersten Layout der Bildschirmform, hierher; fügen Sie eine Taste hinzu, die dieses Layout öffnet, oder entfernen Sie es.</translation>
    </message>
    <message>
        <source>There is no way back from this layout to &quot;%1&quot;, the shape&apos;s first layout; add a Change Layout key, a key with the Return option or a drag-up layout that leads back.</source>
        <translation>Von diesem Layout führt kein Weg zurück zu „%1“, dem ersten Layout der Bildschirmform; fügen Sie eine Layoutwechsel-Taste, eine Taste mit der Option „Zurück“ oder ein Hochzieh-Layout hinzu, das zurückführt.</translation>
    </message>
    <message>
        <source>Layout %1 of this shape has the same name; give each layout a name of its own.</source>
        <translation>Layout %1 dieser Bildschirmform hat denselben Namen; geben Sie jedem Layout einen eigenen Namen.</translation>
    </message>
    <message>
        <source>The picture path &quot;%1&quot; is relative, so which file it names depends on the working folder (from this one: &quot;%2&quot;); choose the picture again with its full path, which the project then stores relative to its own file.</source>
        <translation>Der Bildpfad „%1“ ist relativ; welche Datei er nennt, hängt daher vom Arbeitsordner ab (von diesem aus: „%2“). Wählen Sie das Bild erneut mit seinem vollständigen Pfad, den das Projekt dann relativ zu seiner eigenen Datei speichert.</translation>
    </message>
</context>
<context>
    <name>velkari::ProjectDocument</name>
    <message>
        <source>Add Button</source>
        <translation>Taste hinzufügen</translation>
    </message>
    <message>
        <source>Paste Button</source>
        <translation>Taste einfügen</translation>
    </message>
    <message>
        <source>Edit Button</source>
        <translation>Taste bearbeiten</translation>
    </message>
    <message>
        <source>Insert Button</source>
        <translation>Taste einsetzen</translation>
    </message>
    <message>
        <source>Delete Button</source>
        <translation>Taste löschen</translation>
    </message>
    <message>
        <source>Move Button</source>
        <translation>Taste verschieben</translation>
    </message>
    <message>
        <source>Add Layout</source>
        <translation>Neues Layout</translation>
    </message>
    <message>
        <source>Paste Layout</source>
        <translation>Layout einfügen</translation>
    </message>
    <message>
        <source>Edit Layout</source>
        <translation>Layout bearbeiten</translation>
    </message>
    <message>
        <source>Delete Layout</source>
        <translation>Layout löschen</translation>
    </message>
    <message>
        <source>Set Picture</source>
        <translation>Bild setzen</translation>
    </message>
    <message>
        <source>Fit Rows</source>
        <translation>Zeilen einpassen</translation>
    </message>
    <message>
        <source>Equal Widths</source>
        <translation>Gleiche Breiten</translation>
    </message>
    <message>
        <source>Derive Shapes</source>
        <translation>Formen ableiten</translation>
    </message>
    <message>
        <source>Redraw Picture</source>
        <translation>Bild neu zeichnen</translation>
    </message>
    <message>
        <source>Scale Picture</source>
        <translation>Bild skalieren</translation>
    </message>
    <message>
        <source>Import Layout</source>
        <translation>Layout importieren</translation>
    </message>
    <message>
        <source>Read Keys from Picture</source>
        <translation>Tasten aus Bild lesen</translation>
    </message>
    <message>
        <source>Change Text Color</source>
        <translation>Textfarbe ändern</translation>
    </message>
    <message>
        <source>Change Highlight Color</source>
        <translation>Hervorhebungsfarbe ändern</translation>
    </message>
    <message>
        <source>Change Help File Name</source>
        <translation>Namen der Hilfedatei ändern</translation>
    </message>
</context>
<context>
    <name>velkari::ProjectFile</name>
    <message>
        <source>Some parts of this project did not fit and were left out: %1 layout(s), %2 row(s) and %3 key(s).
A screen shape holds at most 20 layouts, a layout 6 rows and a row 30 buttons, the &quot;New&quot; cell included.</source>
        <translation>Einige Teile dieses Projekts passten nicht hinein und wurden ausgelassen: %1 Layout(s), %2 Zeile(n) und %3 Taste(n).
Eine Bildschirmform fasst höchstens 20 Layouts, ein Layout 6 Zeilen und eine Zeile 30 Tasten, die Zelle „Neu“ eingeschlossen.</translation>
    </message>
    <message>
        <source>The project file &quot;%1&quot; is damaged: %2.</source>
        <translation>Die Projektdatei „%1“ ist beschädigt: %2.</translation>
    </message>
</context>
<context>
    <name>velkari::RowFit</name>
    <message>
        <source>%1: %2 to %3 pixels</source>
        <translation>%1: %2 auf %3 Pixel</translation>
    </message>
    <message>
        <source>%1: left alone, it has no keys</source>
        <translation>%1: unverändert, die Zeile hat keine Tasten</translation>
    </message>
    <message>
        <source>%1: left alone, its keys add up to 0 pixels</source>
        <translation>%1: unverändert, ihre Tasten ergeben zusammen 0 Pixel</translation>
    </message>
    <message>
        <source>%1: left alone, it has more keys than its screen has pixels</source>
        <translation>%1: unverändert, die Zeile hat mehr Tasten als ihr Bildschirm Pixel</translation>
    </message>
    <message>
        <source>%1: already %2 pixels</source>
        <translation>%1: bereits %2 Pixel</translation>
    </message>
</context>
<context>
    <name>velkari::SafeFileWriter</name>
    <message>
        <source>The file was being rewritten in place, since its folder takes no temporary file, and may now be damaged.</source>
        <translation>Die Datei wurde an Ort und Stelle neu geschrieben, da ihr Ordner keine temporäre Datei aufnimmt, und ist jetzt womöglich beschädigt.</translation>
    </message>
</context>
<context>
    <name>velkari::ScreenShape</name>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Hi-Res. Portrait</source>
        <translation>Hi-Res. Hochformat</translation>
    </message>
    <message>
        <source>Hi-Res. Landscape</source>
        <translation>Hi-Res. Querformat</translation>
    </message>
</context>
<context>
    <name>velkari::ShapeCommands</name>
    <message>
        <source>Derive Shapes</source>
        <translation>Formen ableiten</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Derived %1 from %2: %3 pictures drawn, %4 scaled from the author&apos;s.</source>
        <translation>%1 aus %2 abgeleitet: %3 Bilder gezeichnet, %4 aus denen des Autors skaliert.</translation>
    </message>
    <message>
        <source>The shapes were derived, but:</source>
        <translation>Die Formen wurden abgeleitet, aber:</translation>
    </message>
    <message>
        <source>Import Layout</source>
        <translation>Layout importieren</translation>
    </message>
    <message>
        <source>Keyboard Layouts (*.json *.txt)</source>
        <translation>Tastaturlayouts (*.json *.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; exists already. Replace it with the imported layout&apos;s?</source>
        <translation>Das Bild „%1“ gibt es schon. Durch das des importierten Layouts ersetzen?</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>Das Bild konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout. %2</source>
        <translation>„%1“ ist kein Tastaturlayout. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be imported; nothing was changed:</source>
        <translation>„%1“ kann nicht importiert werden; nichts wurde geändert:</translation>
    </message>
    <message>
        <source>The layout&apos;s picture is drawn into a folder beside the project file, and the project has none yet. Save the project first?</source>
        <translation>Das Bild des Layouts wird in einen Ordner neben der Projektdatei gezeichnet, und das Projekt hat noch keine. Das Projekt zuerst speichern?</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Sichern als...</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot; into %2 as layout %3: %4 rows, %5 keys, its picture drawn as &quot;%6&quot;.</source>
        <translation>„%1“ als Layout %3 der Form „%2“ importiert: %4 Zeilen, %5 Tasten, sein Bild gezeichnet als „%6“.</translation>
    </message>
    <message>
        <source>Export Layout</source>
        <translation>Layout exportieren</translation>
    </message>
    <message>
        <source>Keyboard Layouts (*.json)</source>
        <translation>Tastaturlayouts (*.json)</translation>
    </message>
    <message>
        <source>A layout is never exported over the project file itself.</source>
        <translation>Ein Layout wird nie über die Projektdatei selbst exportiert.</translation>
    </message>
    <message>
        <source>Exported the layout &quot;%1&quot; to %2.</source>
        <translation>Das Layout „%1“ nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Row %1 of the layout &quot;%2&quot; is %3 pixels wide and needs %4, but the %5 screen is %6 pixels wide. Fit scales the keys of every row of the layout in proportion so that each row adds up to %6.</source>
        <translation>Zeile %1 des Layouts „%2“ ist %3 Pixel breit und braucht %4, doch der Bildschirm „%5“ ist %6 Pixel breit. Einpassen skaliert die Tasten jeder Zeile des Layouts im Verhältnis, sodass jede Zeile zusammen %6 ergibt.</translation>
    </message>
    <message>
        <source>Row %1 of the layout &quot;%2&quot; is %3 pixels wide and needs %4. Fit scales its keys in proportion so that they add up to %4.</source>
        <translation>Zeile %1 des Layouts „%2“ ist %3 Pixel breit und braucht %4. Einpassen skaliert ihre Tasten im Verhältnis, sodass sie zusammen %4 ergeben.</translation>
    </message>
    <message>
        <source>Fit Rows</source>
        <translation>Zeilen einpassen</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>These shapes hold layouts of their own: %1. Deriving replaces those layouts, keys and all; their picture files stay on disk. Replace them?</source>
        <translation>Diese Bildschirmformen haben eigene Layouts: %1. Das Ableiten ersetzt diese Layouts samt ihren Tasten; ihre Bilddateien bleiben erhalten. Ersetzen?</translation>
    </message>
    <message>
        <source>Empty rows removed from the end of its layouts: %1.</source>
        <translation>Leere Zeilen am Ende ihrer Layouts entfernt: %1.</translation>
    </message>
</context>
<context>
    <name>velkari::SkinFile</name>
    <message>
        <source>Not a file</source>
        <translation>Keine Datei</translation>
    </message>
    <message>
        <source>The picture file is too large.</source>
        <translation>Die Bilddatei ist zu groß.</translation>
    </message>
    <message>
        <source>Invalid Height for the row %1 in layout &quot;%2&quot;.</source>
        <translation>Ungültige Höhe für die Zeile %1 im Layout „%2“.</translation>
    </message>
    <message>
        <source>No button defined for the row %1 in layout &quot;%2&quot;.</source>
        <translation>Keine Taste für die Zeile %1 im Layout „%2“ festgelegt.</translation>
    </message>
    <message>
        <source>Invalid Width for the button %1, row %2 in layout &quot;%3&quot;.</source>
        <translation>Ungültige Breite für die Taste %1, Zeile %2 im Layout „%3“.</translation>
    </message>
    <message>
        <source>No picture file is specified for the layout &quot;%1&quot;.</source>
        <translation>Für das Layout „%1“ ist keine Bilddatei angegeben.</translation>
    </message>
    <message>
        <source>Cannot Open the picture file &quot;%1&quot;.</source>
        <translation>Die Bilddatei „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The picture file &quot;%1&quot; is too large (%2 bytes); a picture may have at most %3 bytes.</source>
        <translation>Die Bilddatei „%1“ ist zu groß (%2 Bytes); ein Bild darf höchstens %3 Bytes haben.</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; has no rows.</source>
        <translation>Das Layout „%1“ hat keine Zeilen.</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; has invalid width (%2).</source>
        <translation>Das Layout „%1“ hat eine ungültige Breite (%2).</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; row %2 has invalid width(%3).</source>
        <translation>Das Layout „%1“, Zeile %2, hat eine ungültige Breite (%3).</translation>
    </message>
    <message>
        <source>This is the project file itself.</source>
        <translation>Das ist die Projektdatei selbst.</translation>
    </message>
    <message>
        <source>This is the picture file of the layout &quot;%1&quot;.</source>
        <translation>Das ist die Bilddatei des Layouts „%1“.</translation>
    </message>
</context>
<context>
    <name>velkari::StatusArea</name>
    <message>
        <source>Skin written: %1, %2 layouts, %3 KiB</source>
        <translation>Skin geschrieben: %1, %2 Layouts, %3 KiB</translation>
    </message>
</context>
<context>
    <name>velkari::TemplateChooser</name>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>Empty project</source>
        <translation>Leeres Projekt</translation>
    </message>
    <message>
        <source>&amp;Start from:</source>
        <translation>&amp;Ausgehend von:</translation>
    </message>
    <message>
        <source>&amp;Theme:</source>
        <translation>&amp;Farbschema:</translation>
    </message>
    <message>
        <source>No keys yet</source>
        <translation>Noch keine Tasten</translation>
    </message>
    <message>
        <source>One empty layout in each screen shape. Add its keys, then choose or draw a picture for each layout in Layout Properties.</source>
        <translation>Ein leeres Layout in jeder Bildschirmform. Fügen Sie seine Tasten hinzu und wählen oder zeichnen Sie dann in den Layout-Eigenschaften ein Bild für jedes Layout.</translation>
    </message>
    <message>
        <source>%1.
The preview shows its Portrait layout &quot;%2&quot;. You choose where to save the project next; its pictures are drawn into a folder beside it.</source>
        <translation>%1.
Die Vorschau zeigt sein Hochformat-Layout „%2“. Als Nächstes wählen Sie, wo das Projekt gespeichert wird; seine Bilder werden in einen Ordner daneben gezeichnet.</translation>
    </message>
</context>
<context>
    <name>velkari::UserPrompts</name>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>These files exist already and would be replaced:
%1

Replace them?</source>
        <translation>Diese Dateien gibt es schon; sie würden ersetzt:
%1

Ersetzen?</translation>
    </message>
    <message>
        <source>a project that was never saved</source>
        <translation>einem nie gespeicherten Projekt</translation>
    </message>
    <message>
        <source>The editor ended without saving the changes to %1. A recovery copy of them was written on %2.

Restore it? If not, the copy is removed.</source>
        <translation>Der Editor wurde beendet, ohne die Änderungen an %1 zu speichern. Eine Wiederherstellungskopie davon wurde am %2 geschrieben.

Wiederherstellen? Andernfalls wird die Kopie entfernt.</translation>
    </message>
</context>
</TS>
