<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1
News box wizard for web authors

%2
MIT licence</source>
        <translation>Versión %1
Asistente de cuadros de noticias para autores web

%2
Licencia MIT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Wizard</source>
        <translation>Asistente</translation>
    </message>
</context>
<context>
    <name>CQuorvoApp</name>
    <message>
        <source>&quot;%1&quot;: the folder cannot be written to.</source>
        <translation>«%1»: no se puede escribir en la carpeta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the folder exists but cannot be written to.</source>
        <translation>«%1»: la carpeta existe, pero no se puede escribir en ella.</translation>
    </message>
</context>
<context>
    <name>CQuorvoDlg</name>
    <message>
        <source>Step %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Guardar proyecto como…</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>&amp;About Quorvo...</source>
        <translation>&amp;Acerca de Quorvo…</translation>
    </message>
</context>
<context>
    <name>ColorSwatch</name>
    <message>
        <source>Color :</source>
        <translation>Color:</translation>
    </message>
</context>
<context>
    <name>DigitsField</name>
    <message>
        <source>Only the digits 0 to 9 can be entered here.</source>
        <translation>Aquí solo se pueden escribir los dígitos del 0 al 9.</translation>
    </message>
</context>
<context>
    <name>FeedImportDialog</name>
    <message>
        <source>Replace the messages in the list</source>
        <translation>Reemplazar los mensajes de la lista</translation>
    </message>
    <message>
        <source>Add them after the messages in the list</source>
        <translation>Añadirlos después de los mensajes de la lista</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>Importar mensajes</translation>
    </message>
    <message>
        <source>First items</source>
        <translation>Primeros elementos</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>From &quot;%1&quot;</source>
        <translation>De «%1»</translation>
    </message>
    <message>
        <source>First items :</source>
        <translation>Primeros elementos:</translation>
    </message>
    <message>
        <source>Items :</source>
        <translation>Elementos:</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>como máximo</translation>
    </message>
    <message>
        <source>Target Frame :</source>
        <translation>Marco de destino:</translation>
    </message>
    <message>
        <source>Text length :</source>
        <translation>Longitud del texto:</translation>
    </message>
    <message>
        <source>characters at most</source>
        <translation>caracteres como máximo</translation>
    </message>
    <message>
        <source>The feed holds no items to import.</source>
        <translation>El feed no contiene elementos que importar.</translation>
    </message>
    <message>
        <source>%1 will fill the empty list.</source>
        <translation>Llena la lista vacía con %1.</translation>
    </message>
    <message>
        <source>%1 will replace the %2 in the list.</source>
        <translation>Reemplaza la lista de %2 por %1.</translation>
    </message>
    <message>
        <source>%1 will be added after the %2 in the list.</source>
        <translation>Añade %1 al final de la lista de %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>1 more warning.</source>
        <translation>1 advertencia más.</translation>
    </message>
    <message>
        <source>%1 more warnings.</source>
        <translation>%1 advertencias más.</translation>
    </message>
</context>
<context>
    <name>GenerationRefusal</name>
    <message>
        <source>Step %1, %2: holds &quot;%3&quot;, which the generator looks for in its scripts; remove it.</source>
        <translation>Paso %1, %2: contiene «%3», que el generador busca en sus scripts; quítelo.</translation>
    </message>
    <message>
        <source>The name of the news box holds &quot;%1&quot;, a path separator, so &quot;%2&quot; cannot be written; remove it.</source>
        <translation>El nombre del cuadro de noticias contiene «%1», un separador de rutas, así que no se puede escribir «%2»; quítelo.</translation>
    </message>
    <message>
        <source>The name of the news box makes a file name %1 bytes long, more than the %2 that the folder allows; shorten the name.</source>
        <translation>El nombre del cuadro de noticias da un nombre de archivo de %1 bytes, más de los %2 que permite la carpeta; acorte el nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo escribir «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only, so it was left unchanged.</source>
        <translation>«%1» es de solo lectura, así que se dejó sin cambios.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written, because its folder &quot;%2&quot; is read-only.</source>
        <translation>No se pudo escribir «%1» porque su carpeta «%2» es de solo lectura.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>«%1» es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>No se pudo escribir «%1».</translation>
    </message>
</context>
<context>
    <name>LineFieldValidator</name>
    <message>
        <source>Texts such as &quot;qvo-width=&quot; and &quot;endof-qvo-width&quot; mark the records of a project file, so they cannot be entered here.</source>
        <translation>Los textos como «qvo-width=» y «endof-qvo-width» marcan los registros de un archivo de proyecto, por lo que no se pueden escribir aquí.</translation>
    </message>
    <message>
        <source>This field holds one line, so a line break, tab or other control character cannot be entered here.</source>
        <translation>Este campo ocupa una línea, así que aquí no se puede escribir un salto de línea, un tabulador ni otro carácter de control.</translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>No folder could be made for the preview: %1</source>
        <translation>No se pudo crear una carpeta para la vista previa: %1</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>You can use basic HTML tags in &quot;Title&quot; and &quot;Text&quot; boxes. You should set width and height properties for IMG tag. Like this:&lt;img src=&quot;yourimage.gif&quot; width=&quot;10&quot; height=&quot;10&quot;&gt;</source>
        <translation>Puede usar etiquetas HTML básicas en los campos «Título» y «Texto». Indique el ancho y el alto de las etiquetas IMG, así: &lt;img src=&quot;suimagen.gif&quot; width=&quot;10&quot; height=&quot;10&quot;&gt;</translation>
    </message>
    <message>
        <source>Title :</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Text :</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Link :</source>
        <translation>Enlace:</translation>
    </message>
    <message>
        <source>Target Frame :</source>
        <translation>Marco de destino:</translation>
    </message>
</context>
<context>
    <name>OkCancelRow</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Bold+Italic</source>
        <translation>Negrita y cursiva</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrado</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>Punteado</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>Discontinuo</translation>
    </message>
    <message>
        <source>News Scroller</source>
        <translation>Noticias en desplazamiento</translation>
    </message>
    <message>
        <source>News Fader</source>
        <translation>Noticias en fundido</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fundido</translation>
    </message>
    <message>
        <source>GradientWipe</source>
        <translation>Barrido degradado</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>Pixelate</source>
        <translation>Pixelado</translation>
    </message>
    <message>
        <source>Radial Wipe</source>
        <translation>Barrido radial</translation>
    </message>
    <message>
        <source>Random Dissolve</source>
        <translation>Disolución aleatoria</translation>
    </message>
    <message>
        <source>Slide</source>
        <translation>Deslizamiento</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rueda</translation>
    </message>
    <message>
        <source>Zigzag</source>
        <translation>Zigzag</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Very fast</source>
        <translation>Muy rápida</translation>
    </message>
    <message>
        <source>Wait to finish mode</source>
        <translation>Modo esperar a que acabe la lista</translation>
    </message>
    <message>
        <source>Page by page mode</source>
        <translation>Modo página a página</translation>
    </message>
    <message>
        <source>Continuous mode</source>
        <translation>Modo continuo</translation>
    </message>
</context>
<context>
    <name>PreviewProcess</name>
    <message>
        <source>The preview stopped: its program crashed or was ended from outside.</source>
        <translation>La vista previa se detuvo: su programa falló o se cerró desde fuera.</translation>
    </message>
    <message>
        <source>The preview stopped: its program ended with exit status %1.</source>
        <translation>La vista previa se detuvo: su programa terminó con el estado de salida %1.</translation>
    </message>
    <message>
        <source>The design is unchanged; press Preview to open the window again.</source>
        <translation>El diseño no ha cambiado; pulse «Vista previa» para volver a abrir la ventana.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the preview program could not be started: %2</source>
        <translation>«%1»: no se pudo iniciar el programa de vista previa: %2</translation>
    </message>
</context>
<context>
    <name>PreviewWnd</name>
    <message>
        <source>Live Preview</source>
        <translation>Vista previa en vivo</translation>
    </message>
</context>
<context>
    <name>ProjectCommands</name>
    <message>
        <source>Open Project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>Marquetto Wizard Files (*.tkp)</source>
        <translation>Archivos del asistente Marquetto (*.tkp)</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Guardar proyecto como</translation>
    </message>
    <message>
        <source>Marquetto Wizard (*.tkp)</source>
        <translation>Asistente Marquetto (*.tkp)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: is not a regular file; a project is saved only as a file.</source>
        <translation>«%1» no es un archivo normal; un proyecto solo se guarda como archivo.</translation>
    </message>
</context>
<context>
    <name>PublishingActions</name>
    <message>
        <source>Refresh Preview</source>
        <translation>Actualizar vista previa</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Copy Files into...</source>
        <translation>Copiar archivos en…</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: not copied, because a background image name must be a plain file name without a folder.</source>
        <translation>«%1»: no se copió, porque el nombre de una imagen de fondo debe ser un nombre de archivo sin carpeta.</translation>
    </message>
    <message>
        <source>Nothing was copied into &quot;%1&quot;.</source>
        <translation>No se copió nada en «%1».</translation>
    </message>
    <message>
        <source>Copied into &quot;%1&quot;:</source>
        <translation>Copiado en «%1»:</translation>
    </message>
    <message>
        <source>These files could not be copied:</source>
        <translation>No se pudieron copiar estos archivos:</translation>
    </message>
    <message>
        <source>Not updated: %1</source>
        <translation>Sin actualizar: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>1 message</source>
        <translation>1 mensaje</translation>
    </message>
    <message>
        <source>%1 messages</source>
        <translation>%1 mensajes</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Save changes to the project?</source>
        <translation>¿Guardar los cambios del proyecto?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists in &quot;%2&quot;.
Do you want to replace it?</source>
        <translation>«%1» ya existe en «%2».
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Marquetto news box wizard</source>
        <translation>Marquetto – asistente de cuadros de noticias</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Download Files</source>
        <translation>Descargar archivos</translation>
    </message>
    <message>
        <source>The design check found %1 to fix in the steps named (choose one to go there):</source>
        <translation>La revisión del diseño señala %1 que corregir en los pasos indicados (elija uno para ir allí):</translation>
    </message>
    <message>
        <source>The design check found nothing to fix.</source>
        <translation>La revisión del diseño no ha encontrado nada que corregir.</translation>
    </message>
    <message>
        <source>The snippet is on the clipboard.</source>
        <translation>El fragmento está en el portapapeles.</translation>
    </message>
    <message>
        <source>The snippet could not be put on the clipboard: %1</source>
        <translation>El fragmento no se pudo poner en el portapapeles: %1</translation>
    </message>
    <message>
        <source>Opened &quot;%1&quot;.</source>
        <translation>«%1» abierto.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; is kept in this page for the preview and the files.</source>
        <translation>La imagen «%1» se guarda en esta página para la vista previa y los archivos.</translation>
    </message>
    <message>
        <source>Choose the image &quot;%1&quot; with Browse... to see it in the preview and have it among the files.</source>
        <translation>Elija la imagen «%1» con «Examinar…» para verla en la vista previa y tenerla entre los archivos.</translation>
    </message>
    <message>
        <source>This browser cannot show the live preview here: it needs service workers, which a browser offers only on an HTTPS address or on this computer.</source>
        <translation>Este navegador no puede mostrar aquí la vista previa en directo: necesita service workers, que un navegador solo ofrece en una dirección HTTPS o en este equipo.</translation>
    </message>
    <message>
        <source>The wizard now works offline too.</source>
        <translation>El asistente ahora también funciona sin conexión.</translation>
    </message>
    <message>
        <source>The wizard could not start: %1</source>
        <translation>El asistente no pudo iniciarse: %1</translation>
    </message>
    <message>
        <source>Message %1 deleted.</source>
        <translation>Mensaje %1 eliminado.</translation>
    </message>
    <message>
        <source>Message moved to place %1.</source>
        <translation>Mensaje movido al lugar %1.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <translation>%1 importado(s).</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>addbox</name>
    <message>
        <source>Add Text</source>
        <translation>Añadir texto</translation>
    </message>
</context>
<context>
    <name>bir</name>
    <message>
        <source>&quot;Width of the text scroll&quot; field require numerical value, the minumum value is 1</source>
        <translation>El campo «Ancho del cuadro» requiere un valor numérico; el valor mínimo es 1.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Background image file</source>
        <translation>Archivo de la imagen de fondo</translation>
    </message>
    <message>
        <source>Width :</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>Height :</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>Size :</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Space :</source>
        <translation>Espacio:</translation>
    </message>
    <message>
        <source>Space between paragraphs :</source>
        <translation>Espacio entre párrafos:</translation>
    </message>
    <message>
        <source>Top margin :</source>
        <translation>Margen superior:</translation>
    </message>
    <message>
        <source>Bottom margin :</source>
        <translation>Margen inferior:</translation>
    </message>
    <message>
        <source>Left margin :</source>
        <translation>Margen izquierdo:</translation>
    </message>
    <message>
        <source>Right margin :</source>
        <translation>Margen derecho:</translation>
    </message>
    <message>
        <source>Margins :</source>
        <translation>Márgenes:</translation>
    </message>
    <message>
        <source>Background color :</source>
        <translation>Color de fondo:</translation>
    </message>
    <message>
        <source>Text color :</source>
        <translation>Color del texto:</translation>
    </message>
    <message>
        <source>Mouse over text color :</source>
        <translation>Color del texto al pasar el ratón:</translation>
    </message>
    <message>
        <source>Title color :</source>
        <translation>Color del título:</translation>
    </message>
    <message>
        <source>Mouse over title color :</source>
        <translation>Color del título al pasar el ratón:</translation>
    </message>
    <message>
        <source>Color :</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Image X position :</source>
        <translation>Posición X de la imagen:</translation>
    </message>
    <message>
        <source>Image Y position :</source>
        <translation>Posición Y de la imagen:</translation>
    </message>
    <message>
        <source>Background image :</source>
        <translation>Imagen de fondo:</translation>
    </message>
    <message>
        <source>Image Files (*.jpg *.gif *.png)</source>
        <translation>Archivos de imagen (*.jpg *.gif *.png)</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; could not be copied: %2</source>
        <translation>No se pudo copiar la imagen «%1»: %2</translation>
    </message>
</context>
<context>
    <name>dokuz</name>
    <message>
        <source>Text font name</source>
        <translation>Nombre de la fuente del texto</translation>
    </message>
    <message>
        <source>Title font name</source>
        <translation>Nombre de la fuente del título</translation>
    </message>
    <message>
        <source>Text Font type :</source>
        <translation>Fuente del texto:</translation>
    </message>
    <message>
        <source>Use this :</source>
        <translation>Usar esta:</translation>
    </message>
    <message>
        <source>Title font type :</source>
        <translation>Fuente del título:</translation>
    </message>
    <message>
        <source>Font size :</source>
        <translation>Tamaño de fuente:</translation>
    </message>
    <message>
        <source>Title font size :</source>
        <translation>Tamaño de fuente del título:</translation>
    </message>
    <message>
        <source>Line height :</source>
        <translation>Altura de línea:</translation>
    </message>
    <message>
        <source>Title line height :</source>
        <translation>Altura de línea del título:</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Text style :</source>
        <translation>Estilo del texto:</translation>
    </message>
    <message>
        <source>Title style :</source>
        <translation>Estilo del título:</translation>
    </message>
    <message>
        <source>Text decoration :</source>
        <translation>Decoración del texto:</translation>
    </message>
    <message>
        <source>Mouse over text decoration :</source>
        <translation>Decoración del texto al pasar el ratón:</translation>
    </message>
    <message>
        <source>Title text decoration :</source>
        <translation>Decoración del título:</translation>
    </message>
    <message>
        <source>Title mouse over text decoration :</source>
        <translation>Decoración del título al pasar el ratón:</translation>
    </message>
    <message>
        <source>Font style :</source>
        <translation>Estilo de fuente:</translation>
    </message>
    <message>
        <source>Text alignment :</source>
        <translation>Alineación del texto:</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Border width :</source>
        <translation>Ancho del borde:</translation>
    </message>
    <message>
        <source>Border color :</source>
        <translation>Color del borde:</translation>
    </message>
    <message>
        <source>Border style :</source>
        <translation>Estilo del borde:</translation>
    </message>
    <message>
        <source>Border :</source>
        <translation>Borde:</translation>
    </message>
</context>
<context>
    <name>dort</name>
    <message>
        <source>Accessible box (pause button, keyboard, reduced motion)</source>
        <translation>Cuadro accesible (botón de pausa, teclado, movimiento reducido)</translation>
    </message>
    <message>
        <source>Right-to-left text</source>
        <translation>Texto de derecha a izquierda</translation>
    </message>
    <message>
        <source>Fit the page width</source>
        <translation>Ajustar al ancho de la página</translation>
    </message>
    <message>
        <source>Light motion</source>
        <translation>Movimiento ligero</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>Name of your scroller. If you use more than one scroller on the same site, please set different names for each one.</source>
        <translation>Nombre de su cuadro de noticias. Si usa más de uno en el mismo sitio, dé a cada uno un nombre distinto.</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>The published box gets a pause button, works by keyboard and stays still for readers who ask for reduced motion</source>
        <translation>El cuadro publicado tiene un botón de pausa, funciona con el teclado y se queda quieto para los lectores que piden menos movimiento</translation>
    </message>
    <message>
        <source>Messages are written and aligned right to left, as Arabic, Hebrew and Persian are</source>
        <translation>Los mensajes se escriben y alinean de derecha a izquierda, como el árabe, el hebreo y el persa</translation>
    </message>
    <message>
        <source>On a page narrower than the box, as on a phone, the box narrows with it and its messages wrap</source>
        <translation>En una página más estrecha que el cuadro, como en un teléfono, el cuadro se estrecha con ella y sus mensajes se ajustan</translation>
    </message>
    <message>
        <source>The box moves the same way for less of the reader&apos;s battery and rests while it cannot be seen</source>
        <translation>El cuadro se mueve igual gastando menos batería del lector y descansa mientras no se ve</translation>
    </message>
    <message>
        <source>Options :</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Live messages</source>
        <translation>Mensajes en vivo</translation>
    </message>
    <message>
        <source>The published box takes new messages from a file beside it while its page stays open</source>
        <translation>El cuadro publicado toma mensajes nuevos de un archivo junto a él mientras su página sigue abierta</translation>
    </message>
    <message>
        <source>every </source>
        <translation>cada </translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> segundos</translation>
    </message>
    <message>
        <source>Live messages every</source>
        <translation>Mensajes en vivo cada</translation>
    </message>
</context>
<context>
    <name>iki</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Transition effect</source>
        <translation>Efecto de transición</translation>
    </message>
    <message>
        <source>Scroll mode</source>
        <translation>Modo de desplazamiento</translation>
    </message>
    <message>
        <source>Style :</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Scroller / Transition effect :</source>
        <translation>Desplazamiento / efecto de transición:</translation>
    </message>
    <message>
        <source>Scroll delay :</source>
        <translation>Retardo del desplazamiento:</translation>
    </message>
    <message>
        <source>miliseconds</source>
        <translation>milisegundos</translation>
    </message>
    <message>
        <source>Pause :</source>
        <translation>Pausa:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Transition speed :</source>
        <translation>Velocidad de transición:</translation>
    </message>
    <message>
        <source>Timing :</source>
        <translation>Tiempos:</translation>
    </message>
    <message>
        <source>Import Feed</source>
        <translation>Importar feed</translation>
    </message>
    <message>
        <source>Feeds (*.xml *.rss *.atom *.json *.csv);;All Files (*)</source>
        <translation>Feeds (*.xml *.rss *.atom *.json *.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
</context>
<context>
    <name>modifybox</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
</context>
<context>
    <name>uc</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Preview in Browser</source>
        <translation>Vista previa en el navegador</translation>
    </message>
    <message>
        <source>Step 1 :</source>
        <translation>Paso 1:</translation>
    </message>
    <message>
        <source>Copy the below into the &lt;body&gt; section of your web
page where you wish the news scroller to appear.</source>
        <translation>Copie lo siguiente en el &lt;body&gt; de su página web,
en el lugar donde deben aparecer las noticias.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Step 2 :</source>
        <translation>Paso 2:</translation>
    </message>
    <message>
        <source>Copy Files into...</source>
        <translation>Copiar archivos en…</translation>
    </message>
    <message>
        <source>Step 3 :</source>
        <translation>Paso 3:</translation>
    </message>
    <message>
        <source>Generated files :</source>
        <translation>Archivos generados:</translation>
    </message>
    <message>
        <source>Design check findings</source>
        <translation>Resultados de la revisión del diseño</translation>
    </message>
    <message>
        <source>Click to go to Step %1</source>
        <translation>Haga clic para ir al paso %1</translation>
    </message>
    <message>
        <source>1 thing</source>
        <translation>1 punto</translation>
    </message>
    <message>
        <source>%1 things</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>The files are written. The design check found %1 to fix in the steps named (click one to go there):</source>
        <translation>Los archivos se han escrito. La revisión del diseño señala %1 que corregir en los pasos indicados (haga clic en uno para ir allí):</translation>
    </message>
</context>
</TS>
