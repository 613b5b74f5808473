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
        <source>Skin written: %1, %2 layouts, %3 KiB</source>
        <translation>Skin geschrieben: %1, %2 Layouts, %3 KiB</translation>
    </message>
    <message>
        <source>Try Skin</source>
        <translation>Skin ausprobieren</translation>
    </message>
    <message>
        <source>Run the skin as the device would: tap keys, switch layouts, see what they type.</source>
        <translation>Den Skin so laufen lassen wie das Gerät: Tasten antippen, Layouts wechseln, sehen, was sie schreiben.</translation>
    </message>
    <message>
        <source>Set Picture</source>
        <translation>Bild setzen</translation>
    </message>
    <message>
        <source>Add Layout</source>
        <translation>Layout hinzufügen</translation>
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
        <source>Copied the layout &quot;%1&quot;. &quot;Paste Layout Info&quot; in the Layout Properties of another layout puts it there.</source>
        <translation>Das Layout „%1“ ist kopiert. „Paste Layout Info“ in den Layout-Eigenschaften eines anderen Layouts fügt es dort ein.</translation>
    </message>
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
        <source>Copied the key &quot;%1&quot;. &quot;Paste Button Info&quot; in the Button Properties of another key puts it there.</source>
        <translation>Die Taste „%1“ ist kopiert. „Paste Button Info“ in den Tasten-Eigenschaften einer anderen Taste fügt sie dort ein.</translation>
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
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
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
</context>
<context>
    <name>velkari::CrashRecovery</name>
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
        <translation>&lt;h3&gt;Ein Layout anlegen&lt;/h3&gt;&lt;ol&gt;&lt;li&gt;Zeichnen Sie das Tastaturbild in einem beliebigen Malprogramm und speichern Sie es als GIF- oder BMP-Datei. Zeichnen Sie es in der echten Größe des Gerätebildschirms: 240 oder 320 Pixel breit für die Formen mit niedriger Auflösung, 480 oder 640 für die mit hoher Auflösung.&lt;/li&gt;&lt;li&gt;Wählen Sie die Form unter &lt;b&gt;Ausrichtung und Auflösung&lt;/b&gt; und drücken Sie &lt;b&gt;Layout-Eigenschaften&lt;/b&gt; (oder &lt;b&gt;Layout hinzufügen&lt;/b&gt; für ein weiteres). Geben Sie dem Layout einen Namen, wählen Sie mit &lt;b&gt;Durchsuchen&lt;/b&gt; sein Bild, legen Sie die Zahl der Reihen fest und tragen Sie die Höhe jeder Reihe in Pixeln ein.&lt;/li&gt;&lt;li&gt;Klicken Sie auf eine &lt;b&gt;Neu&lt;/b&gt;-Zelle einer Reihe, um eine Taste hinzuzufügen: Geben Sie ihr eine Beschriftung, ihre Breite in Pixeln und ihre Funktion (ein Zeichen senden, das Layout wechseln, eine Rechnertaste, eine Aktion des Task-Managers, ein Makro oder eine Verknüpfung). Die eigene Zelle einer Taste bietet an, eine Kopie vor oder hinter ihr einzufügen oder sie zu löschen.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Copy Layout&lt;/b&gt; remembers the current layout; &lt;b&gt;Paste Layout Info&lt;/b&gt; in another layout&apos;s properties copies it there, rows and keys included. Keys copy and paste the same way in their own dialog.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Layout kopieren&lt;/b&gt; merkt sich das aktuelle Layout; &lt;b&gt;Layout-Info einfügen&lt;/b&gt; in den Eigenschaften eines anderen Layouts überträgt es dorthin, samt Reihen und Tasten. Tasten werden auf dieselbe Weise in ihrem eigenen Dialog kopiert und eingefügt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;What the grid shows&lt;/h3&gt;&lt;p&gt;The grid shows the current layout&apos;s rows from top to bottom and each row&apos;s keys from left to right, drawn to scale: one pixel per screen pixel for the Hi-Res. shapes, two for the others. The last cell of every row, &lt;b&gt;New&lt;/b&gt;, is where the next key goes; it is not part of the skin. The layout&apos;s picture is shown under the grid at its real size. Rest the mouse on a key to read what it does in the status area at the bottom.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Was das Raster zeigt&lt;/h3&gt;&lt;p&gt;Das Raster zeigt die Reihen des aktuellen Layouts von oben nach unten und die Tasten jeder Reihe von links nach rechts, maßstabsgetreu: ein Pixel je Bildschirmpixel für die Formen mit hoher Auflösung, zwei für die anderen. Die letzte Zelle jeder Reihe, &lt;b&gt;Neu&lt;/b&gt;, ist der Platz für die nächste Taste; sie gehört nicht zum Skin. Das Bild des Layouts wird unter dem Raster in seiner echten Größe gezeigt. Lassen Sie die Maus auf einer Taste ruhen, um im Statusbereich unten zu lesen, was sie tut.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Creating the skin&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Create Skin&lt;/b&gt; saves the project if needed and checks every layout of every shape: each needs a picture file that can be read, at least one row, rows and keys that are not 0 pixels high or wide, and rows whose keys (the New cell not counted) add up to the same width, which must be 240, 320, 480 or 640 pixels. The first problem found is shown and nothing is written; fix it and try again.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Den Skin erstellen&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Skin erstellen&lt;/b&gt; speichert das Projekt, wenn nötig, und prüft jedes Layout jeder Form: Jedes braucht eine lesbare Bilddatei, mindestens eine Reihe, Reihen und Tasten, die nicht 0 Pixel hoch oder breit sind, und Reihen, deren Tasten (ohne die Neu-Zelle) zusammen dieselbe Breite ergeben, und zwar 240, 320, 480 oder 640 Pixel. Das erste gefundene Problem wird angezeigt und nichts geschrieben; beheben Sie es und versuchen Sie es erneut.&lt;/p&gt;</translation>
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
        <source>&lt;h3&gt;Problems&lt;/h3&gt;&lt;p&gt;The &lt;b&gt;Problems&lt;/b&gt; button counts the project&apos;s errors and warnings, for example &lt;b&gt;Problems (2 · 5)&lt;/b&gt;, and opens a list of them all by shape and layout, kept up to date while you edit. Errors stop Create Skin; warnings do not, but each is almost surely a mistake: a picture of another size than its keys, a key that opens a layout that does not exist, a layout no key leads to. Double-click a problem, or press Enter on it, to open the key&apos;s or the layout&apos;s properties.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Probleme&lt;/h3&gt;&lt;p&gt;Die Schaltfläche &lt;b&gt;Probleme&lt;/b&gt; zählt die Fehler und Warnungen des Projekts, zum Beispiel &lt;b&gt;Probleme (2 · 5)&lt;/b&gt;, und öffnet eine Liste aller, nach Form und Layout geordnet, die beim Bearbeiten stets aktuell bleibt. Fehler halten &lt;b&gt;Skin erstellen&lt;/b&gt; auf, Warnungen nicht, doch jede ist mit großer Wahrscheinlichkeit ein Versehen: ein Bild, das anders groß ist als seine Tasten, eine Taste, die ein Layout öffnet, das es nicht gibt, ein Layout, zu dem keine Taste führt. Doppelklicken Sie auf ein Problem oder drücken Sie darauf die Eingabetaste, um die Eigenschaften der Taste oder des Layouts zu öffnen.&lt;/p&gt;</translation>
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
        <translation>Skin ausprobieren</translation>
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
</context>
</TS>
