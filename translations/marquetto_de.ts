<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1
News box wizard for web authors

%2
MIT licence</source>
        <translation>Version %1
Nachrichtenbox-Assistent für Webautoren

%2
MIT-Lizenz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Wizard</source>
        <translation>Assistent</translation>
    </message>
</context>
<context>
    <name>CQuorvoApp</name>
    <message>
        <source>&quot;%1&quot;: the folder cannot be written to.</source>
        <translation>„%1“: In den Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the folder exists but cannot be written to.</source>
        <translation>„%1“: Der Ordner existiert, aber es kann nicht hineingeschrieben werden.</translation>
    </message>
</context>
<context>
    <name>CQuorvoDlg</name>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Projekt speichern unter…</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>&amp;About Quorvo...</source>
        <translation>Ü&amp;ber Quorvo…</translation>
    </message>
</context>
<context>
    <name>ColorSwatch</name>
    <message>
        <source>Color :</source>
        <translation>Farbe:</translation>
    </message>
</context>
<context>
    <name>DigitsField</name>
    <message>
        <source>Only the digits 0 to 9 can be entered here.</source>
        <translation>Hier können nur die Ziffern 0 bis 9 eingegeben werden.</translation>
    </message>
</context>
<context>
    <name>FeedImportDialog</name>
    <message>
        <source>Replace the messages in the list</source>
        <translation>Die Meldungen in der Liste ersetzen</translation>
    </message>
    <message>
        <source>Add them after the messages in the list</source>
        <translation>Nach den Meldungen in der Liste anfügen</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>Meldungen importieren</translation>
    </message>
    <message>
        <source>First items</source>
        <translation>Erste Einträge</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>From &quot;%1&quot;</source>
        <translation>Aus „%1“</translation>
    </message>
    <message>
        <source>First items :</source>
        <translation>Erste Einträge:</translation>
    </message>
    <message>
        <source>Items :</source>
        <translation>Einträge:</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>höchstens</translation>
    </message>
    <message>
        <source>Target Frame :</source>
        <translation>Zielrahmen:</translation>
    </message>
    <message>
        <source>Text length :</source>
        <translation>Textlänge:</translation>
    </message>
    <message>
        <source>characters at most</source>
        <translation>Zeichen höchstens</translation>
    </message>
    <message>
        <source>The feed holds no items to import.</source>
        <translation>Der Feed enthält keine Einträge zum Importieren.</translation>
    </message>
    <message>
        <source>%1 will fill the empty list.</source>
        <translation>Füllt die leere Liste mit %1.</translation>
    </message>
    <message>
        <source>%1 will replace the %2 in the list.</source>
        <translation>Ersetzt die Liste mit %2 durch %1.</translation>
    </message>
    <message>
        <source>%1 will be added after the %2 in the list.</source>
        <translation>Fügt %1 an die Liste mit %2 an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>1 more warning.</source>
        <translation>1 weitere Warnung.</translation>
    </message>
    <message>
        <source>%1 more warnings.</source>
        <translation>%1 weitere Warnungen.</translation>
    </message>
</context>
<context>
    <name>GenerationRefusal</name>
    <message>
        <source>Step %1, %2: holds &quot;%3&quot;, which the generator looks for in its scripts; remove it.</source>
        <translation>Schritt %1, %2: enthält „%3“, wonach der Generator in seinen Skripten sucht; entfernen Sie es.</translation>
    </message>
    <message>
        <source>The name of the news box holds &quot;%1&quot;, a path separator, so &quot;%2&quot; cannot be written; remove it.</source>
        <translation>Der Name der Nachrichtenbox enthält „%1“, ein Pfadtrennzeichen, daher kann „%2“ nicht geschrieben werden; entfernen Sie es.</translation>
    </message>
    <message>
        <source>The name of the news box makes a file name %1 bytes long, more than the %2 that the folder allows; shorten the name.</source>
        <translation>Der Name der Nachrichtenbox macht einen Dateinamen %1 Byte lang, mehr als die %2, die der Ordner zulässt; kürzen Sie den Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only, so it was left unchanged.</source>
        <translation>„%1“ ist schreibgeschützt und blieb daher unverändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written, because its folder &quot;%2&quot; is read-only.</source>
        <translation>„%1“ konnte nicht geschrieben werden, weil sein Ordner „%2“ schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>„%1“ ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>„%1“ konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>LineFieldValidator</name>
    <message>
        <source>Texts such as &quot;qvo-width=&quot; and &quot;endof-qvo-width&quot; mark the records of a project file, so they cannot be entered here.</source>
        <translation>Texte wie „qvo-width=“ und „endof-qvo-width“ kennzeichnen die Einträge einer Projektdatei und können deshalb hier nicht eingegeben werden.</translation>
    </message>
    <message>
        <source>This field holds one line, so a line break, tab or other control character cannot be entered here.</source>
        <translation>Dieses Feld fasst eine Zeile, deshalb können hier kein Zeilenumbruch, kein Tabulator und kein anderes Steuerzeichen eingegeben werden.</translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>No folder could be made for the preview: %1</source>
        <translation>Für die Vorschau konnte kein Ordner angelegt werden: %1</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>You can use basic HTML tags in &quot;Title&quot; and &quot;Text&quot; boxes. You should set width and height properties for IMG tag. Like this:&lt;img src=&quot;yourimage.gif&quot; width=&quot;10&quot; height=&quot;10&quot;&gt;</source>
        <translation>In den Feldern „Titel“ und „Text“ können Sie einfache HTML-Tags verwenden. Geben Sie bei IMG-Tags Breite und Höhe an, zum Beispiel so: &lt;img src=&quot;ihrbild.gif&quot; width=&quot;10&quot; height=&quot;10&quot;&gt;</translation>
    </message>
    <message>
        <source>Title :</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Text :</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Link :</source>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Target Frame :</source>
        <translation>Zielrahmen:</translation>
    </message>
</context>
<context>
    <name>OkCancelRow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>OptionLists</name>
    <message>
        <source>Plain</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold+Italic</source>
        <translation>Fett und kursiv</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>Gepunktet</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>News Scroller</source>
        <translation>Nachrichten-Laufband</translation>
    </message>
    <message>
        <source>News Fader</source>
        <translation>Nachrichten-Überblendung</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Überblenden</translation>
    </message>
    <message>
        <source>GradientWipe</source>
        <translation>Verlaufswischen</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Irisblende</translation>
    </message>
    <message>
        <source>Pixelate</source>
        <translation>Verpixeln</translation>
    </message>
    <message>
        <source>Radial Wipe</source>
        <translation>Radialwischen</translation>
    </message>
    <message>
        <source>Random Dissolve</source>
        <translation>Zufälliges Auflösen</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Schieben</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Zigzag</source>
        <translation>Zickzack</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Very fast</source>
        <translation>Sehr schnell</translation>
    </message>
    <message>
        <source>Wait to finish mode</source>
        <translation>Ende abwarten</translation>
    </message>
    <message>
        <source>Page by page mode</source>
        <translation>Seitenweise</translation>
    </message>
    <message>
        <source>Continuous mode</source>
        <translation>Fortlaufend</translation>
    </message>
</context>
<context>
    <name>PreviewProcess</name>
    <message>
        <source>The preview stopped: its program crashed or was ended from outside.</source>
        <translation>Die Vorschau wurde beendet: Ihr Programm ist abgestürzt oder wurde von außen beendet.</translation>
    </message>
    <message>
        <source>The preview stopped: its program ended with exit status %1.</source>
        <translation>Die Vorschau wurde beendet: Ihr Programm endete mit dem Status %1.</translation>
    </message>
    <message>
        <source>The design is unchanged; press Preview to open the window again.</source>
        <translation>Der Entwurf ist unverändert; mit „Vorschau“ öffnen Sie das Fenster erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the preview program could not be started: %2</source>
        <translation>„%1“: Das Vorschauprogramm konnte nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>PreviewWnd</name>
    <message>
        <source>Live Preview</source>
        <translation>Live-Vorschau</translation>
    </message>
</context>
<context>
    <name>ProjectCommands</name>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Marquetto Wizard Files (*.tkp)</source>
        <translation>Marquetto-Assistentendateien (*.tkp)</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Projekt speichern unter</translation>
    </message>
    <message>
        <source>Marquetto Wizard (*.tkp)</source>
        <translation>Marquetto-Assistent (*.tkp)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: is not a regular file; a project is saved only as a file.</source>
        <translation>„%1“ ist keine reguläre Datei; ein Projekt wird nur als Datei gespeichert.</translation>
    </message>
</context>
<context>
    <name>PublishingActions</name>
    <message>
        <source>Refresh Preview</source>
        <translation>Vorschau aktualisieren</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Copy Files into...</source>
        <translation>Dateien kopieren nach…</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: not copied, because a background image name must be a plain file name without a folder.</source>
        <translation>„%1“: nicht kopiert, denn der Name eines Hintergrundbilds muss ein einfacher Dateiname ohne Ordner sein.</translation>
    </message>
    <message>
        <source>Nothing was copied into &quot;%1&quot;.</source>
        <translation>Nach „%1“ wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>Copied into &quot;%1&quot;:</source>
        <translation>Nach „%1“ kopiert:</translation>
    </message>
    <message>
        <source>These files could not be copied:</source>
        <translation>Diese Dateien konnten nicht kopiert werden:</translation>
    </message>
    <message>
        <source>Not updated: %1</source>
        <translation>Nicht aktualisiert: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 message</source>
        <translation>1 Meldung</translation>
    </message>
    <message>
        <source>%1 messages</source>
        <translation>%1 Meldungen</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Save changes to the project?</source>
        <translation>Änderungen am Projekt speichern?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in &quot;%2&quot;.
Do you want to replace it?</source>
        <translation>„%1“ ist in „%2“ bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Marquetto news box wizard</source>
        <translation>Marquetto – Assistent für Nachrichtenboxen</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Download Files</source>
        <translation>Dateien herunterladen</translation>
    </message>
    <message>
        <source>The design check found %1 to fix in the steps named (choose one to go there):</source>
        <translation>Die Entwurfsprüfung meldet %1 zum Beheben in den genannten Schritten (eine Auswahl führt dorthin):</translation>
    </message>
    <message>
        <source>The design check found nothing to fix.</source>
        <translation>Die Entwurfsprüfung hat nichts zu beheben gefunden.</translation>
    </message>
    <message>
        <source>The snippet is on the clipboard.</source>
        <translation>Der Codeschnipsel ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The snippet could not be put on the clipboard: %1</source>
        <translation>Der Codeschnipsel konnte nicht in die Zwischenablage gelegt werden: %1</translation>
    </message>
    <message>
        <source>Opened &quot;%1&quot;.</source>
        <translation>„%1“ geöffnet.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; is kept in this page for the preview and the files.</source>
        <translation>Das Bild „%1“ wird in dieser Seite für die Vorschau und die Dateien aufbewahrt.</translation>
    </message>
    <message>
        <source>Choose the image &quot;%1&quot; with Browse... to see it in the preview and have it among the files.</source>
        <translation>Wählen Sie das Bild „%1“ mit „Durchsuchen…“, um es in der Vorschau zu sehen und unter den Dateien zu haben.</translation>
    </message>
    <message>
        <source>This browser cannot show the live preview here: it needs service workers, which a browser offers only on an HTTPS address or on this computer.</source>
        <translation>Dieser Browser kann die Live-Vorschau hier nicht zeigen: Sie braucht Service Worker, die ein Browser nur unter einer HTTPS-Adresse oder auf diesem Computer anbietet.</translation>
    </message>
    <message>
        <source>The wizard now works offline too.</source>
        <translation>Der Assistent funktioniert jetzt auch offline.</translation>
    </message>
    <message>
        <source>The wizard could not start: %1</source>
        <translation>Der Assistent konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>Message %1 deleted.</source>
        <translation>Nachricht %1 gelöscht.</translation>
    </message>
    <message>
        <source>Message moved to place %1.</source>
        <translation>Nachricht an Stelle %1 verschoben.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <translation>%1 importiert.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>addbox</name>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
</context>
<context>
    <name>bir</name>
    <message>
        <source>&quot;Width of the text scroll&quot; field require numerical value, the minumum value is 1</source>
        <translation>Das Feld „Breite des Laufbands“ verlangt einen Zahlenwert; der kleinste Wert ist 1.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Background image file</source>
        <translation>Datei des Hintergrundbilds</translation>
    </message>
    <message>
        <source>Width :</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Height :</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Size :</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Space :</source>
        <translation>Abstand:</translation>
    </message>
    <message>
        <source>Space between paragraphs :</source>
        <translation>Abstand zwischen Absätzen:</translation>
    </message>
    <message>
        <source>Top margin :</source>
        <translation>Oberer Rand:</translation>
    </message>
    <message>
        <source>Bottom margin :</source>
        <translation>Unterer Rand:</translation>
    </message>
    <message>
        <source>Left margin :</source>
        <translation>Linker Rand:</translation>
    </message>
    <message>
        <source>Right margin :</source>
        <translation>Rechter Rand:</translation>
    </message>
    <message>
        <source>Margins :</source>
        <translation>Ränder:</translation>
    </message>
    <message>
        <source>Background color :</source>
        <translation>Hintergrundfarbe:</translation>
    </message>
    <message>
        <source>Text color :</source>
        <translation>Textfarbe:</translation>
    </message>
    <message>
        <source>Mouse over text color :</source>
        <translation>Textfarbe unter der Maus:</translation>
    </message>
    <message>
        <source>Title color :</source>
        <translation>Titelfarbe:</translation>
    </message>
    <message>
        <source>Mouse over title color :</source>
        <translation>Titelfarbe unter der Maus:</translation>
    </message>
    <message>
        <source>Color :</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Image X position :</source>
        <translation>X-Position des Bilds:</translation>
    </message>
    <message>
        <source>Image Y position :</source>
        <translation>Y-Position des Bilds:</translation>
    </message>
    <message>
        <source>Background image :</source>
        <translation>Hintergrundbild:</translation>
    </message>
    <message>
        <source>Image Files (*.jpg *.gif *.png)</source>
        <translation>Bilddateien (*.jpg *.gif *.png)</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; could not be copied: %2</source>
        <translation>Das Bild „%1“ konnte nicht kopiert werden: %2</translation>
    </message>
</context>
<context>
    <name>dokuz</name>
    <message>
        <source>Text font name</source>
        <translation>Name der Textschrift</translation>
    </message>
    <message>
        <source>Title font name</source>
        <translation>Name der Titelschrift</translation>
    </message>
    <message>
        <source>Text Font type :</source>
        <translation>Textschrift:</translation>
    </message>
    <message>
        <source>Use this :</source>
        <translation>Diese verwenden:</translation>
    </message>
    <message>
        <source>Title font type :</source>
        <translation>Titelschrift:</translation>
    </message>
    <message>
        <source>Font size :</source>
        <translation>Schriftgröße:</translation>
    </message>
    <message>
        <source>Title font size :</source>
        <translation>Schriftgröße des Titels:</translation>
    </message>
    <message>
        <source>Line height :</source>
        <translation>Zeilenhöhe:</translation>
    </message>
    <message>
        <source>Title line height :</source>
        <translation>Zeilenhöhe des Titels:</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Text style :</source>
        <translation>Textstil:</translation>
    </message>
    <message>
        <source>Title style :</source>
        <translation>Titelstil:</translation>
    </message>
    <message>
        <source>Text decoration :</source>
        <translation>Textdekoration:</translation>
    </message>
    <message>
        <source>Mouse over text decoration :</source>
        <translation>Textdekoration unter der Maus:</translation>
    </message>
    <message>
        <source>Title text decoration :</source>
        <translation>Titeldekoration:</translation>
    </message>
    <message>
        <source>Title mouse over text decoration :</source>
        <translation>Titeldekoration unter der Maus:</translation>
    </message>
    <message>
        <source>Font style :</source>
        <translation>Schriftstil:</translation>
    </message>
    <message>
        <source>Text alignment :</source>
        <translation>Textausrichtung:</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Border width :</source>
        <translation>Rahmenbreite:</translation>
    </message>
    <message>
        <source>Border color :</source>
        <translation>Rahmenfarbe:</translation>
    </message>
    <message>
        <source>Border style :</source>
        <translation>Rahmenstil:</translation>
    </message>
    <message>
        <source>Border :</source>
        <translation>Rahmen:</translation>
    </message>
</context>
<context>
    <name>dort</name>
    <message>
        <source>Accessible box (pause button, keyboard, reduced motion)</source>
        <translation>Barrierefreie Box (Pausetaste, Tastatur, weniger Bewegung)</translation>
    </message>
    <message>
        <source>Right-to-left text</source>
        <translation>Text von rechts nach links</translation>
    </message>
    <message>
        <source>Fit the page width</source>
        <translation>An die Seitenbreite anpassen</translation>
    </message>
    <message>
        <source>Light motion</source>
        <translation>Sparsame Bewegung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Name of your scroller. If you use more than one scroller on the same site, please set different names for each one.</source>
        <translation>Name Ihres Laufbands. Wenn Sie mehr als ein Laufband auf derselben Website verwenden, geben Sie jedem einen eigenen Namen.</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>The published box gets a pause button, works by keyboard and stays still for readers who ask for reduced motion</source>
        <translation>Die veröffentlichte Box erhält eine Pausetaste, lässt sich mit der Tastatur bedienen und steht still für Leser, die weniger Bewegung wünschen</translation>
    </message>
    <message>
        <source>Messages are written and aligned right to left, as Arabic, Hebrew and Persian are</source>
        <translation>Meldungen werden von rechts nach links geschrieben und ausgerichtet, wie Arabisch, Hebräisch und Persisch</translation>
    </message>
    <message>
        <source>On a page narrower than the box, as on a phone, the box narrows with it and its messages wrap</source>
        <translation>Auf einer Seite, die schmaler als die Box ist, etwa auf einem Telefon, wird die Box mit ihr schmaler und ihre Meldungen werden umbrochen</translation>
    </message>
    <message>
        <source>The box moves the same way for less of the reader&apos;s battery and rests while it cannot be seen</source>
        <translation>Die Box bewegt sich genauso, schont aber den Akku des Lesers und ruht, solange sie nicht zu sehen ist</translation>
    </message>
    <message>
        <source>Options :</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Live messages</source>
        <translation>Aktuelle Meldungen</translation>
    </message>
    <message>
        <source>The published box takes new messages from a file beside it while its page stays open</source>
        <translation>Die veröffentlichte Box übernimmt neue Meldungen aus einer Datei neben ihr, während ihre Seite geöffnet bleibt</translation>
    </message>
    <message>
        <source>every </source>
        <translation>alle </translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> Sekunden</translation>
    </message>
    <message>
        <source>Live messages every</source>
        <translation>Aktuelle Meldungen alle</translation>
    </message>
</context>
<context>
    <name>iki</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Transition effect</source>
        <translation>Übergangseffekt</translation>
    </message>
    <message>
        <source>Scroll mode</source>
        <translation>Laufmodus</translation>
    </message>
    <message>
        <source>Style :</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>Scroller / Transition effect :</source>
        <translation>Laufband / Übergangseffekt:</translation>
    </message>
    <message>
        <source>Scroll delay :</source>
        <translation>Laufverzögerung:</translation>
    </message>
    <message>
        <source>miliseconds</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>Pause :</source>
        <translation>Pause:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Transition speed :</source>
        <translation>Übergangsgeschwindigkeit:</translation>
    </message>
    <message>
        <source>Timing :</source>
        <translation>Zeitablauf:</translation>
    </message>
    <message>
        <source>Import Feed</source>
        <translation>Feed importieren</translation>
    </message>
    <message>
        <source>Feeds (*.xml *.rss *.atom *.json *.csv);;All Files (*)</source>
        <translation>Feeds (*.xml *.rss *.atom *.json *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
</context>
<context>
    <name>modifybox</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>uc</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Preview in Browser</source>
        <translation>Vorschau im Browser</translation>
    </message>
    <message>
        <source>Step 1 :</source>
        <translation>Schritt 1:</translation>
    </message>
    <message>
        <source>Copy the below into the &lt;body&gt; section of your web
page where you wish the news scroller to appear.</source>
        <translation>Kopieren Sie den Text unten in den &lt;body&gt;-Teil Ihrer
Webseite, dort, wo das Laufband erscheinen soll.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Step 2 :</source>
        <translation>Schritt 2:</translation>
    </message>
    <message>
        <source>Copy Files into...</source>
        <translation>Dateien kopieren nach…</translation>
    </message>
    <message>
        <source>Step 3 :</source>
        <translation>Schritt 3:</translation>
    </message>
    <message>
        <source>Generated files :</source>
        <translation>Erzeugte Dateien:</translation>
    </message>
    <message>
        <source>Design check findings</source>
        <translation>Ergebnisse der Entwurfsprüfung</translation>
    </message>
    <message>
        <source>Click to go to Step %1</source>
        <translation>Klicken, um zu Schritt %1 zu gehen</translation>
    </message>
    <message>
        <source>1 thing</source>
        <translation>1 Punkt</translation>
    </message>
    <message>
        <source>%1 things</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>The files are written. The design check found %1 to fix in the steps named (click one to go there):</source>
        <translation>Die Dateien sind geschrieben. Die Entwurfsprüfung meldet %1 zum Beheben in den genannten Schritten (ein Klick führt dorthin):</translation>
    </message>
</context>
</TS>
