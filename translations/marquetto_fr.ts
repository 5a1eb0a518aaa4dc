<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1
News box wizard for web authors

%2
MIT licence</source>
        <translation>Version %1
Assistant de blocs d’actualités pour auteurs web

%2
Licence MIT</translation>
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
        <translation>Assistant</translation>
    </message>
</context>
<context>
    <name>CQuorvoApp</name>
    <message>
        <source>&quot;%1&quot;: the folder cannot be written to.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: impossible d’écrire dans le dossier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the folder exists but cannot be written to.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: le dossier existe, mais il est impossible d’y écrire.</translation>
    </message>
</context>
<context>
    <name>CQuorvoDlg</name>
    <message>
        <source>Step %1</source>
        <translation>Étape %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Enregistrer le projet sous…</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>&amp;About Quorvo...</source>
        <translation>À &amp;propos de Quorvo…</translation>
    </message>
</context>
<context>
    <name>ColorSwatch</name>
    <message>
        <source>Color :</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>DigitsField</name>
    <message>
        <source>Only the digits 0 to 9 can be entered here.</source>
        <translation>Seuls les chiffres de 0 à 9 peuvent être saisis ici.</translation>
    </message>
</context>
<context>
    <name>FeedImportDialog</name>
    <message>
        <source>Replace the messages in the list</source>
        <translation>Remplacer les messages de la liste</translation>
    </message>
    <message>
        <source>Add them after the messages in the list</source>
        <translation>Les ajouter après les messages de la liste</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>Importer des messages</translation>
    </message>
    <message>
        <source>First items</source>
        <translation>Premiers éléments</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>From &quot;%1&quot;</source>
        <translation>Depuis «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>First items :</source>
        <translation>Premiers éléments&#xa0;:</translation>
    </message>
    <message>
        <source>Items :</source>
        <translation>Éléments&#xa0;:</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>au plus</translation>
    </message>
    <message>
        <source>Target Frame :</source>
        <translation>Cadre cible&#xa0;:</translation>
    </message>
    <message>
        <source>Text length :</source>
        <translation>Longueur du texte&#xa0;:</translation>
    </message>
    <message>
        <source>characters at most</source>
        <translation>caractères au plus</translation>
    </message>
    <message>
        <source>The feed holds no items to import.</source>
        <translation>Le flux ne contient aucun élément à importer.</translation>
    </message>
    <message>
        <source>%1 will fill the empty list.</source>
        <translation>Remplit la liste vide avec %1.</translation>
    </message>
    <message>
        <source>%1 will replace the %2 in the list.</source>
        <translation>Remplace la liste de %2 par %1.</translation>
    </message>
    <message>
        <source>%1 will be added after the %2 in the list.</source>
        <translation>Ajoute %1 à la suite de la liste de %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>1 more warning.</source>
        <translation>1 autre avertissement.</translation>
    </message>
    <message>
        <source>%1 more warnings.</source>
        <translation>%1 autres avertissements.</translation>
    </message>
</context>
<context>
    <name>GenerationRefusal</name>
    <message>
        <source>Step %1, %2: holds &quot;%3&quot;, which the generator looks for in its scripts; remove it.</source>
        <translation>Étape %1, %2&#xa0;: contient «&#xa0;%3&#xa0;», que le générateur cherche dans ses scripts&#xa0;; supprimez-le.</translation>
    </message>
    <message>
        <source>The name of the news box holds &quot;%1&quot;, a path separator, so &quot;%2&quot; cannot be written; remove it.</source>
        <translation>Le nom du bloc d’actualités contient «&#xa0;%1&#xa0;», un séparateur de chemin, donc «&#xa0;%2&#xa0;» ne peut pas être écrit&#xa0;; supprimez-le.</translation>
    </message>
    <message>
        <source>The name of the news box makes a file name %1 bytes long, more than the %2 that the folder allows; shorten the name.</source>
        <translation>Le nom du bloc d’actualités donne un nom de fichier de %1&#xa0;octets, plus que les %2 que le dossier permet&#xa0;; raccourcissez le nom.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only, so it was left unchanged.</source>
        <translation>«&#xa0;%1&#xa0;» est en lecture seule, il est donc resté inchangé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written, because its folder &quot;%2&quot; is read-only.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être écrit, car son dossier «&#xa0;%2&#xa0;» est en lecture seule.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>LineFieldValidator</name>
    <message>
        <source>Texts such as &quot;qvo-width=&quot; and &quot;endof-qvo-width&quot; mark the records of a project file, so they cannot be entered here.</source>
        <translation>Les textes tels que «&#xa0;qvo-width=&#xa0;» et «&#xa0;endof-qvo-width&#xa0;» délimitent les enregistrements d’un fichier de projet&#xa0;; ils ne peuvent donc pas être saisis ici.</translation>
    </message>
    <message>
        <source>This field holds one line, so a line break, tab or other control character cannot be entered here.</source>
        <translation>Ce champ tient sur une ligne : un saut de ligne, une tabulation ou un autre caractère de contrôle ne peut pas y être saisi.</translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>No folder could be made for the preview: %1</source>
        <translation>Impossible de créer un dossier pour l’aperçu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>You can use basic HTML tags in &quot;Title&quot; and &quot;Text&quot; boxes. You should set width and height properties for IMG tag. Like this:&lt;img src=&quot;yourimage.gif&quot; width=&quot;10&quot; height=&quot;10&quot;&gt;</source>
        <translation>Vous pouvez utiliser des balises HTML simples dans les champs «&#xa0;Titre&#xa0;» et «&#xa0;Texte&#xa0;». Indiquez la largeur et la hauteur des balises IMG, comme ceci&#xa0;: &lt;img src=&quot;votreimage.gif&quot; width=&quot;10&quot; height=&quot;10&quot;&gt;</translation>
    </message>
    <message>
        <source>Title :</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Text :</source>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <source>Link :</source>
        <translation>Lien&#xa0;:</translation>
    </message>
    <message>
        <source>Target Frame :</source>
        <translation>Cadre cible&#xa0;:</translation>
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
        <translation>Annuler</translation>
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
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Bold+Italic</source>
        <translation>Gras italique</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>Pointillée</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>Tiretée</translation>
    </message>
    <message>
        <source>News Scroller</source>
        <translation>Bloc d’actualités défilant</translation>
    </message>
    <message>
        <source>News Fader</source>
        <translation>Bloc d’actualités en fondu</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fondu</translation>
    </message>
    <message>
        <source>GradientWipe</source>
        <translation>Balayage en dégradé</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>Pixelate</source>
        <translation>Pixellisation</translation>
    </message>
    <message>
        <source>Radial Wipe</source>
        <translation>Balayage radial</translation>
    </message>
    <message>
        <source>Random Dissolve</source>
        <translation>Dissolution aléatoire</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Glissement</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roue</translation>
    </message>
    <message>
        <source>Zigzag</source>
        <translation>Zigzag</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Very fast</source>
        <translation>Très rapide</translation>
    </message>
    <message>
        <source>Wait to finish mode</source>
        <translation>Mode attendre la fin de la liste</translation>
    </message>
    <message>
        <source>Page by page mode</source>
        <translation>Mode page par page</translation>
    </message>
    <message>
        <source>Continuous mode</source>
        <translation>Mode continu</translation>
    </message>
</context>
<context>
    <name>PreviewProcess</name>
    <message>
        <source>The preview stopped: its program crashed or was ended from outside.</source>
        <translation>L’aperçu s’est arrêté&#xa0;: son programme a planté ou a été arrêté de l’extérieur.</translation>
    </message>
    <message>
        <source>The preview stopped: its program ended with exit status %1.</source>
        <translation>L’aperçu s’est arrêté&#xa0;: son programme s’est terminé avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>The design is unchanged; press Preview to open the window again.</source>
        <translation>La conception n’a pas changé&#xa0;; cliquez sur «&#xa0;Aperçu&#xa0;» pour rouvrir la fenêtre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the preview program could not be started: %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: impossible de démarrer le programme d’aperçu&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PreviewWnd</name>
    <message>
        <source>Live Preview</source>
        <translation>Aperçu en direct</translation>
    </message>
</context>
<context>
    <name>ProjectCommands</name>
    <message>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Marquetto Wizard Files (*.tkp)</source>
        <translation>Fichiers de l’assistant Marquetto (*.tkp)</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Enregistrer le projet sous</translation>
    </message>
    <message>
        <source>Marquetto Wizard (*.tkp)</source>
        <translation>Assistant Marquetto (*.tkp)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: is not a regular file; a project is saved only as a file.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier ordinaire&#xa0;; un projet ne s’enregistre que dans un fichier.</translation>
    </message>
</context>
<context>
    <name>PublishingActions</name>
    <message>
        <source>Refresh Preview</source>
        <translation>Actualiser l’aperçu</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Copy Files into...</source>
        <translation>Copier les fichiers dans…</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: not copied, because a background image name must be a plain file name without a folder.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: non copié, car le nom d’une image de fond doit être un simple nom de fichier, sans dossier.</translation>
    </message>
    <message>
        <source>Nothing was copied into &quot;%1&quot;.</source>
        <translation>Rien n’a été copié dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Copied into &quot;%1&quot;:</source>
        <translation>Copié dans «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>These files could not be copied:</source>
        <translation>Ces fichiers n’ont pas pu être copiés&#xa0;:</translation>
    </message>
    <message>
        <source>Not updated: %1</source>
        <translation>Non mis à jour&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 message</source>
        <translation>1 message</translation>
    </message>
    <message>
        <source>%1 messages</source>
        <translation>%1 messages</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Save changes to the project?</source>
        <translation>Enregistrer les modifications du projet&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in &quot;%2&quot;.
Do you want to replace it?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà dans «&#xa0;%2&#xa0;».
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Marquetto news box wizard</source>
        <translation>Marquetto – assistant de boîte d’actualités</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Download Files</source>
        <translation>Télécharger les fichiers</translation>
    </message>
    <message>
        <source>The design check found %1 to fix in the steps named (choose one to go there):</source>
        <translation>La vérification de la conception signale %1 à corriger dans les étapes indiquées (choisissez-en un pour y aller)&#xa0;:</translation>
    </message>
    <message>
        <source>The design check found nothing to fix.</source>
        <translation>La vérification de la conception n’a rien trouvé à corriger.</translation>
    </message>
    <message>
        <source>The snippet is on the clipboard.</source>
        <translation>L’extrait est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The snippet could not be put on the clipboard: %1</source>
        <translation>L’extrait n’a pas pu être mis dans le presse-papiers&#xa0;: %1</translation>
    </message>
    <message>
        <source>Opened &quot;%1&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» ouvert.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; is kept in this page for the preview and the files.</source>
        <translation>L’image «&#xa0;%1&#xa0;» est gardée dans cette page pour l’aperçu et les fichiers.</translation>
    </message>
    <message>
        <source>Choose the image &quot;%1&quot; with Browse... to see it in the preview and have it among the files.</source>
        <translation>Choisissez l’image «&#xa0;%1&#xa0;» avec «&#xa0;Parcourir…&#xa0;» pour la voir dans l’aperçu et l’avoir parmi les fichiers.</translation>
    </message>
    <message>
        <source>This browser cannot show the live preview here: it needs service workers, which a browser offers only on an HTTPS address or on this computer.</source>
        <translation>Ce navigateur ne peut pas afficher l’aperçu en direct ici&#xa0;: il faut des service workers, qu’un navigateur n’offre que sur une adresse HTTPS ou sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The wizard now works offline too.</source>
        <translation>L’assistant fonctionne maintenant aussi hors ligne.</translation>
    </message>
    <message>
        <source>The wizard could not start: %1</source>
        <translation>L’assistant n’a pas pu démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Message %1 deleted.</source>
        <translation>Message %1 supprimé.</translation>
    </message>
    <message>
        <source>Message moved to place %1.</source>
        <translation>Message déplacé à la place %1.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <translation>%1 importé(s).</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>addbox</name>
    <message>
        <source>Add Text</source>
        <translation>Ajouter un texte</translation>
    </message>
</context>
<context>
    <name>bir</name>
    <message>
        <source>&quot;Width of the text scroll&quot; field require numerical value, the minumum value is 1</source>
        <translation>Le champ «&#xa0;Largeur du bloc&#xa0;» demande une valeur numérique&#xa0;; la valeur minimale est 1.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Background image file</source>
        <translation>Fichier de l’image de fond</translation>
    </message>
    <message>
        <source>Width :</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>Height :</source>
        <translation>Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>Size :</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Space :</source>
        <translation>Espace&#xa0;:</translation>
    </message>
    <message>
        <source>Space between paragraphs :</source>
        <translation>Espace entre les paragraphes&#xa0;:</translation>
    </message>
    <message>
        <source>Top margin :</source>
        <translation>Marge haute&#xa0;:</translation>
    </message>
    <message>
        <source>Bottom margin :</source>
        <translation>Marge basse&#xa0;:</translation>
    </message>
    <message>
        <source>Left margin :</source>
        <translation>Marge gauche&#xa0;:</translation>
    </message>
    <message>
        <source>Right margin :</source>
        <translation>Marge droite&#xa0;:</translation>
    </message>
    <message>
        <source>Margins :</source>
        <translation>Marges&#xa0;:</translation>
    </message>
    <message>
        <source>Background color :</source>
        <translation>Couleur de fond&#xa0;:</translation>
    </message>
    <message>
        <source>Text color :</source>
        <translation>Couleur du texte&#xa0;:</translation>
    </message>
    <message>
        <source>Mouse over text color :</source>
        <translation>Couleur du texte au survol&#xa0;:</translation>
    </message>
    <message>
        <source>Title color :</source>
        <translation>Couleur du titre&#xa0;:</translation>
    </message>
    <message>
        <source>Mouse over title color :</source>
        <translation>Couleur du titre au survol&#xa0;:</translation>
    </message>
    <message>
        <source>Color :</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Image X position :</source>
        <translation>Position X de l’image&#xa0;:</translation>
    </message>
    <message>
        <source>Image Y position :</source>
        <translation>Position Y de l’image&#xa0;:</translation>
    </message>
    <message>
        <source>Background image :</source>
        <translation>Image de fond&#xa0;:</translation>
    </message>
    <message>
        <source>Image Files (*.jpg *.gif *.png)</source>
        <translation>Fichiers image (*.jpg *.gif *.png)</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; could not be copied: %2</source>
        <translation>Impossible de copier l’image «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>dokuz</name>
    <message>
        <source>Text font name</source>
        <translation>Nom de la police du texte</translation>
    </message>
    <message>
        <source>Title font name</source>
        <translation>Nom de la police du titre</translation>
    </message>
    <message>
        <source>Text Font type :</source>
        <translation>Police du texte&#xa0;:</translation>
    </message>
    <message>
        <source>Use this :</source>
        <translation>Utiliser celle-ci&#xa0;:</translation>
    </message>
    <message>
        <source>Title font type :</source>
        <translation>Police du titre&#xa0;:</translation>
    </message>
    <message>
        <source>Font size :</source>
        <translation>Taille de police&#xa0;:</translation>
    </message>
    <message>
        <source>Title font size :</source>
        <translation>Taille de police du titre&#xa0;:</translation>
    </message>
    <message>
        <source>Line height :</source>
        <translation>Hauteur de ligne&#xa0;:</translation>
    </message>
    <message>
        <source>Title line height :</source>
        <translation>Hauteur de ligne du titre&#xa0;:</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Text style :</source>
        <translation>Style du texte&#xa0;:</translation>
    </message>
    <message>
        <source>Title style :</source>
        <translation>Style du titre&#xa0;:</translation>
    </message>
    <message>
        <source>Text decoration :</source>
        <translation>Décoration du texte&#xa0;:</translation>
    </message>
    <message>
        <source>Mouse over text decoration :</source>
        <translation>Décoration du texte au survol&#xa0;:</translation>
    </message>
    <message>
        <source>Title text decoration :</source>
        <translation>Décoration du titre&#xa0;:</translation>
    </message>
    <message>
        <source>Title mouse over text decoration :</source>
        <translation>Décoration du titre au survol&#xa0;:</translation>
    </message>
    <message>
        <source>Font style :</source>
        <translation>Style de police&#xa0;:</translation>
    </message>
    <message>
        <source>Text alignment :</source>
        <translation>Alignement du texte&#xa0;:</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Border width :</source>
        <translation>Largeur de la bordure&#xa0;:</translation>
    </message>
    <message>
        <source>Border color :</source>
        <translation>Couleur de la bordure&#xa0;:</translation>
    </message>
    <message>
        <source>Border style :</source>
        <translation>Style de la bordure&#xa0;:</translation>
    </message>
    <message>
        <source>Border :</source>
        <translation>Bordure&#xa0;:</translation>
    </message>
</context>
<context>
    <name>dort</name>
    <message>
        <source>Accessible box (pause button, keyboard, reduced motion)</source>
        <translation>Bloc accessible (bouton pause, clavier, mouvement réduit)</translation>
    </message>
    <message>
        <source>Right-to-left text</source>
        <translation>Texte de droite à gauche</translation>
    </message>
    <message>
        <source>Fit the page width</source>
        <translation>S’adapter à la largeur de la page</translation>
    </message>
    <message>
        <source>Light motion</source>
        <translation>Mouvement économe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Name of your scroller. If you use more than one scroller on the same site, please set different names for each one.</source>
        <translation>Nom de votre bloc d’actualités. Si vous utilisez plusieurs blocs sur le même site, donnez un nom différent à chacun.</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>The published box gets a pause button, works by keyboard and stays still for readers who ask for reduced motion</source>
        <translation>Le bloc publié reçoit un bouton pause, se commande au clavier et reste immobile pour les lecteurs qui demandent moins de mouvement</translation>
    </message>
    <message>
        <source>Messages are written and aligned right to left, as Arabic, Hebrew and Persian are</source>
        <translation>Les messages s’écrivent et s’alignent de droite à gauche, comme l’arabe, l’hébreu et le persan</translation>
    </message>
    <message>
        <source>On a page narrower than the box, as on a phone, the box narrows with it and its messages wrap</source>
        <translation>Sur une page plus étroite que le bloc, comme sur un téléphone, le bloc se rétrécit avec elle et ses messages passent à la ligne</translation>
    </message>
    <message>
        <source>The box moves the same way for less of the reader&apos;s battery and rests while it cannot be seen</source>
        <translation>Le bloc bouge de la même façon en ménageant la batterie du lecteur et se met au repos tant qu’il n’est pas visible</translation>
    </message>
    <message>
        <source>Options :</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Live messages</source>
        <translation>Messages en direct</translation>
    </message>
    <message>
        <source>The published box takes new messages from a file beside it while its page stays open</source>
        <translation>La boîte publiée prend les nouveaux messages d’un fichier placé à côté d’elle tant que sa page reste ouverte</translation>
    </message>
    <message>
        <source>every </source>
        <translation>toutes les </translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> secondes</translation>
    </message>
    <message>
        <source>Live messages every</source>
        <translation>Messages en direct toutes les</translation>
    </message>
</context>
<context>
    <name>iki</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Transition effect</source>
        <translation>Effet de transition</translation>
    </message>
    <message>
        <source>Scroll mode</source>
        <translation>Mode de défilement</translation>
    </message>
    <message>
        <source>Style :</source>
        <translation>Style&#xa0;:</translation>
    </message>
    <message>
        <source>Scroller / Transition effect :</source>
        <translation>Défilement / effet de transition&#xa0;:</translation>
    </message>
    <message>
        <source>Scroll delay :</source>
        <translation>Délai de défilement&#xa0;:</translation>
    </message>
    <message>
        <source>miliseconds</source>
        <translation>millisecondes</translation>
    </message>
    <message>
        <source>Pause :</source>
        <translation>Pause&#xa0;:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Transition speed :</source>
        <translation>Vitesse de transition&#xa0;:</translation>
    </message>
    <message>
        <source>Timing :</source>
        <translation>Minutage&#xa0;:</translation>
    </message>
    <message>
        <source>Import Feed</source>
        <translation>Importer un flux</translation>
    </message>
    <message>
        <source>Feeds (*.xml *.rss *.atom *.json *.csv);;All Files (*)</source>
        <translation>Flux (*.xml *.rss *.atom *.json *.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>modifybox</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>uc</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Preview in Browser</source>
        <translation>Aperçu dans le navigateur</translation>
    </message>
    <message>
        <source>Step 1 :</source>
        <translation>Étape 1&#xa0;:</translation>
    </message>
    <message>
        <source>Copy the below into the &lt;body&gt; section of your web
page where you wish the news scroller to appear.</source>
        <translation>Copiez ce qui suit dans le &lt;body&gt; de votre page web,
là où le bloc d’actualités doit apparaître.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Step 2 :</source>
        <translation>Étape 2&#xa0;:</translation>
    </message>
    <message>
        <source>Copy Files into...</source>
        <translation>Copier les fichiers dans…</translation>
    </message>
    <message>
        <source>Step 3 :</source>
        <translation>Étape 3&#xa0;:</translation>
    </message>
    <message>
        <source>Generated files :</source>
        <translation>Fichiers générés&#xa0;:</translation>
    </message>
    <message>
        <source>Design check findings</source>
        <translation>Résultats de la vérification de la conception</translation>
    </message>
    <message>
        <source>Click to go to Step %1</source>
        <translation>Cliquez pour aller à l’étape %1</translation>
    </message>
    <message>
        <source>1 thing</source>
        <translation>1 point</translation>
    </message>
    <message>
        <source>%1 things</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>The files are written. The design check found %1 to fix in the steps named (click one to go there):</source>
        <translation>Les fichiers sont écrits. La vérification de la conception signale %1 à corriger dans les étapes indiquées (cliquez sur l’un d’eux pour y aller)&#xa0;:</translation>
    </message>
</context>
</TS>
