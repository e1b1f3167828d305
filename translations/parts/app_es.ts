<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutTexts</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2 %3</source>
        <translation>Versión %1.%2 %3</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Compilación %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Copying, reproducing or distributing it, in whole or in part, without the written permission of %1 is not allowed and may be prosecuted to the full extent of the law.</source>
        <translation>Aviso: este programa está protegido por las leyes de derechos de autor. Copiarlo, reproducirlo o distribuirlo, total o parcialmente, sin el permiso por escrito de %1 no está permitido y puede perseguirse con todo el rigor de la ley.</translation>
    </message>
    <message>
        <source>Designed and developed by the %1 team.</source>
        <translation>Diseñado y desarrollado por el equipo de %1.</translation>
    </message>
</context>
<context>
    <name>JournalServices</name>
    <message>
        <source>The journal window could not be opened (%1). Your journal is kept as it was.</source>
        <translation>No se ha podido abrir la ventana del diario (%1). Tu diario se conserva tal como estaba.</translation>
    </message>
    <message>
        <source>Journal notice</source>
        <translation>Aviso del diario</translation>
    </message>
    <message>
        <source>Your choice could not be saved in the settings file, so the journal stays off and nothing is written to it.</source>
        <translation>No se ha podido guardar tu elección en el archivo de configuración, así que el diario sigue desactivado y no se escribe nada en él.</translation>
    </message>
    <message>
        <source>Your journal is off: nothing more will be written to it now. Your choice could not be saved in the settings file, so the journal will be on again when Mindrova next starts.</source>
        <translation>Tu diario está desactivado: a partir de ahora no se escribirá nada más en él. No se ha podido guardar tu elección en el archivo de configuración, así que el diario volverá a estar activado la próxima vez que inicies Mindrova.</translation>
    </message>
    <message>
        <source>Your journal is off: nothing more will be written to it. Do you also want to delete the entries it keeps? This cannot be undone.</source>
        <translation>Tu diario está desactivado: no se escribirá nada más en él. ¿Quieres borrar también las entradas que contiene? No se podrá deshacer.</translation>
    </message>
    <message>
        <source>The copies kept aside because they could not be read are deleted with them: %1.</source>
        <translation>Las copias apartadas porque no se podían leer se borran con ellas: %1.</translation>
    </message>
    <message>
        <source>The journal could not be deleted. You can delete the files %1* yourself.</source>
        <translation>No se ha podido borrar el diario. Puedes borrar los archivos %1* por tu cuenta.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
</context>
<context>
    <name>PersonalImport</name>
    <message>
        <source>%1 was not imported. %2</source>
        <translation>%1 no se ha importado. %2</translation>
    </message>
    <message>
        <source>%1 could not be imported (%2). Nothing has changed.</source>
        <translation>No se ha podido importar %1 (%2). No ha cambiado nada.</translation>
    </message>
    <message>
        <source>“%1” was imported.</source>
        <translation>«%1» se ha importado.</translation>
    </message>
    <message>
        <source>“%1” is already one of your sessions.</source>
        <translation>«%1» ya es una de tus sesiones.</translation>
    </message>
    <message>
        <source>Import a session</source>
        <translation>Importar una sesión</translation>
    </message>
    <message>
        <source>You already have a session called “%1”. Replace it with the one in %2?</source>
        <translation>Ya tienes una sesión llamada «%1». ¿Quieres sustituirla por la de %2?</translation>
    </message>
    <message>
        <source>Nothing was imported; your session “%1” is unchanged.</source>
        <translation>No se ha importado nada; tu sesión «%1» sigue igual.</translation>
    </message>
    <message>
        <source>“%1” was replaced by the imported one.</source>
        <translation>«%1» se ha sustituido por la sesión importada.</translation>
    </message>
</context>
<context>
    <name>PersonalSession</name>
    <message>
        <source>There are %1 negative lines; a session has %2 to %3.</source>
        <translation>Hay %1 frases negativas; una sesión tiene de %2 a %3.</translation>
    </message>
    <message>
        <source>The negative line %1 is empty.</source>
        <translation>La frase negativa %1 está vacía.</translation>
    </message>
    <message>
        <source>The negative line %1 is longer than %2 characters.</source>
        <translation>La frase negativa %1 tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>The negative line %1 holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation>La frase negativa %1 contiene un carácter de control, un salto de línea o un carácter invisible que ocultaría el texto o le daría la vuelta.</translation>
    </message>
    <message>
        <source>There are %1 positive lines; a session has %2 to %3.</source>
        <translation>Hay %1 frases positivas; una sesión tiene de %2 a %3.</translation>
    </message>
    <message>
        <source>The positive line %1 is empty.</source>
        <translation>La frase positiva %1 está vacía.</translation>
    </message>
    <message>
        <source>The positive line %1 is longer than %2 characters.</source>
        <translation>La frase positiva %1 tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>The positive line %1 holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation>La frase positiva %1 contiene un carácter de control, un salto de línea o un carácter invisible que ocultaría el texto o le daría la vuelta.</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>El título está vacío.</translation>
    </message>
    <message>
        <source>The title %1 holds a / or a \, as a file path would.</source>
        <translation>El título %1 contiene una / o una \, como una ruta de archivo.</translation>
    </message>
    <message>
        <source>The title is longer than %1 characters.</source>
        <translation>El título tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The title holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation>El título contiene un carácter de control, un salto de línea o un carácter invisible que ocultaría el texto o le daría la vuelta.</translation>
    </message>
    <message>
        <source>The set-up statement is empty.</source>
        <translation>La frase de preparación está vacía.</translation>
    </message>
    <message>
        <source>The set-up statement is longer than %1 characters.</source>
        <translation>La frase de preparación tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The set-up statement holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation>La frase de preparación contiene un carácter de control, un salto de línea o un carácter invisible que ocultaría el texto o le daría la vuelta.</translation>
    </message>
    <message>
        <source>The seconds per point must be a whole number from %1 to %2.</source>
        <translation>Los segundos por punto deben ser un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>El archivo no es texto UTF-8.</translation>
    </message>
    <message>
        <source>The file is not JSON text (%1 at byte %2).</source>
        <translation>El archivo no es texto JSON (%1 en el byte %2).</translation>
    </message>
    <message>
        <source>The file holds no session: its JSON is not an object.</source>
        <translation>El archivo no contiene ninguna sesión: su JSON no es un objeto.</translation>
    </message>
    <message>
        <source>The field %1 is missing.</source>
        <translation>Falta el campo %1.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number.</source>
        <translation>El campo %1 debería ser un número entero.</translation>
    </message>
    <message>
        <source>The file is written in format %1; this version of Mindrova reads format %2.</source>
        <translation>El archivo está escrito en el formato %1; esta versión de Mindrova lee el formato %2.</translation>
    </message>
    <message>
        <source>The file holds a field %1 that this version of Mindrova does not know.</source>
        <translation>El archivo contiene un campo %1 que esta versión de Mindrova no conoce.</translation>
    </message>
    <message>
        <source>The field %1 should be text.</source>
        <translation>El campo %1 debería ser texto.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of lines of text.</source>
        <translation>El campo %1 debería ser una lista de líneas de texto.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number from %2 to %3.</source>
        <translation>El campo %1 debería ser un número entero entre %2 y %3.</translation>
    </message>
    <message>
        <source>The field %1 should be %2 or %3.</source>
        <translation>El campo %1 debería ser %2 o %3.</translation>
    </message>
    <message>
        <source>The file is a link to another file; only files kept in the folder itself are read.</source>
        <translation>El archivo es un enlace a otro archivo; solo se leen los archivos guardados en la propia carpeta.</translation>
    </message>
    <message>
        <source>The file could not be opened (%1).</source>
        <translation>No se ha podido abrir el archivo (%1).</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>No se ha podido abrir el archivo.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The file is larger than %1 KiB, more than a session ever needs.</source>
        <translation>El archivo ocupa más de %1 KiB, más de lo que una sesión llega a necesitar.</translation>
    </message>
</context>
<context>
    <name>PersonalStore</name>
    <message>
        <source>Its title “%1” is already the title of %2.</source>
        <translation>Su título «%1» ya es el título de %2.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se ha podido crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <source>Regrettably, a problem has occurred in %1.</source>
        <translation>Lo sentimos: se ha producido un problema en %1.</translation>
    </message>
    <message>
        <source>%1 may continue to function after this, but if you have further problems you should restart the program.</source>
        <translation>Puede que %1 siga funcionando después de esto, pero si notas más problemas, vuelve a iniciar el programa.</translation>
    </message>
    <message>
        <source>We&apos;d like to fix this problem quickly, but we need your help.  Can %1 submit a bug report on your behalf to %2?  And, can you please take just a moment to jot down what steps we should take to reproduce the problem?</source>
        <translation>Queremos corregir este problema cuanto antes, pero necesitamos tu ayuda.  ¿Puede %1 enviar en tu nombre un informe de error a %2?  ¿Y podrías dedicar un momento a anotar qué pasos debemos seguir para reproducir el problema?</translation>
    </message>
    <message>
        <source>Your report is confidential, and only the information you see below is included in the report.</source>
        <translation>Tu informe es confidencial y solo incluye la información que ves a continuación.</translation>
    </message>
</context>
<context>
    <name>ShellExecute</name>
    <message>
        <source>Error: %1. %2</source>
        <translation>Error: %1. %2</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Error on launching URL: %1</source>
        <translation>Error al abrir la dirección: %1</translation>
    </message>
</context>
<context>
    <name>mindrova::JournalChart</name>
    <message>
        <source>First rating</source>
        <translation>Primera valoración</translation>
    </message>
    <message>
        <source>Last rating</source>
        <translation>Última valoración</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Valoración</translation>
    </message>
</context>
<context>
    <name>mindrova::JournalRecorder</name>
    <message>
        <source>Your journal could not be read, so a new one has been started. The old file is kept unchanged as %1.</source>
        <translation>No se ha podido leer tu diario, así que se ha empezado uno nuevo. El archivo antiguo se conserva sin cambios como %1.</translation>
    </message>
    <message>
        <source>Your journal could not be read, and another program is using it, so it is left as it is (%1). Your session goes on as usual, and Mindrova will try again at the next entry.</source>
        <translation>No se ha podido leer tu diario y otro programa lo está usando, así que se deja tal como está (%1). Tu sesión sigue con normalidad y Mindrova lo intentará de nuevo en la próxima entrada.</translation>
    </message>
    <message>
        <source>Your journal was written by a newer version of Mindrova. It is left as it is, and this session is not added to it.</source>
        <translation>Tu diario lo escribió una versión más reciente de Mindrova. Se deja tal como está y esta sesión no se añade a él.</translation>
    </message>
    <message>
        <source>Your journal could not be written just now (%1). Your session goes on as usual, and Mindrova will try again at the next entry.</source>
        <translation>Ahora mismo no se ha podido escribir en tu diario (%1). Tu sesión sigue con normalidad y Mindrova lo intentará de nuevo en la próxima entrada.</translation>
    </message>
    <message>
        <source>Your journal needs attention: see Journal... in the menu.</source>
        <translation>Tu diario necesita atención: consulta «Diario...» en el menú.</translation>
    </message>
</context>
<context>
    <name>mindrova::frmAbout_NEW</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Opens the web site in the browser</source>
        <translation>Abre el sitio web en el navegador</translation>
    </message>
</context>
<context>
    <name>mindrova::frmAppearance</name>
    <message>
        <source>Appearance</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Como el escritorio</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>&amp;Appearance:</source>
        <translation>As&amp;pecto:</translation>
    </message>
    <message>
        <source>&amp;Text size:</source>
        <translation>&amp;Tamaño del texto:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>mindrova::frmErrorReport</name>
    <message>
        <source>An error occurred in ...</source>
        <translation>Se ha producido un error en...</translation>
    </message>
    <message>
        <source>Voluntary Feedback - Please Help Us</source>
        <translation>Comentarios voluntarios: ayúdanos, por favor</translation>
    </message>
    <message>
        <source>Thank you for using...</source>
        <translation>Gracias por usar...</translation>
    </message>
    <message>
        <source>Error Report Contents:</source>
        <translation>Contenido del informe de error:</translation>
    </message>
    <message>
        <source>How you got this error, and how we can reproduce it:</source>
        <translation>Cómo llegaste a este error y cómo podemos reproducirlo:</translation>
    </message>
    <message>
        <source>(Highly recommended.)</source>
        <translation>(Muy recomendable.)</translation>
    </message>
    <message>
        <source>Your email address, so we can contact you about this problem:</source>
        <translation>Tu dirección de correo electrónico, para poder escribirte sobre este problema:</translation>
    </message>
    <message>
        <source>&amp;Send Error Report</source>
        <translation>&amp;Enviar el informe de error</translation>
    </message>
    <message>
        <source>&amp;Do Not Send</source>
        <translation>&amp;No enviar</translation>
    </message>
    <message>
        <source>Uh Oh... an error occurred in %1</source>
        <translation>Vaya... se ha producido un error en %1</translation>
    </message>
    <message>
        <source>%1 Problem </source>
        <translation>Problema en %1</translation>
    </message>
</context>
<context>
    <name>mindrova::frmJournal</name>
    <message>
        <source>Journal</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>This journal was written by a newer version of Mindrova and cannot be shown here.</source>
        <translation>Este diario lo escribió una versión más reciente de Mindrova y no se puede mostrar aquí.</translation>
    </message>
    <message>
        <source>The journal could not be opened.</source>
        <translation>No se ha podido abrir el diario.</translation>
    </message>
    <message>
        <source>The journal could not be read, and another program is using it, so it is left as it is.</source>
        <translation>No se ha podido leer el diario y otro programa lo está usando, así que se deja tal como está.</translation>
    </message>
    <message>
        <source>The journal could not be read; it is kept as %1 and a new one has been started.</source>
        <translation>No se ha podido leer el diario; se conserva como %1 y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>&amp;Chart for:</source>
        <translation>&amp;Gráfico de:</translation>
    </message>
    <message>
        <source>Issue shown in the chart</source>
        <translation>Tema que muestra el gráfico</translation>
    </message>
    <message>
        <source>Chart of the ratings over time</source>
        <translation>Gráfico de las valoraciones a lo largo del tiempo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Issue</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>First rating</source>
        <translation>Primera valoración</translation>
    </message>
    <message>
        <source>Later ratings</source>
        <translation>Valoraciones posteriores</translation>
    </message>
    <message>
        <source>Last rating</source>
        <translation>Última valoración</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rondas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Own words</source>
        <translation>Palabras propias</translation>
    </message>
    <message>
        <source>Journal entries, newest first</source>
        <translation>Entradas del diario, las más recientes primero</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Eliminar...</translation>
    </message>
    <message>
        <source>Delete &amp;All...</source>
        <translation>Eliminar &amp;todo...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Deletes the entry chosen in the table</source>
        <translation>Elimina la entrada elegida en la tabla</translation>
    </message>
    <message>
        <source>1 entry.</source>
        <translation>1 entrada.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries.</source>
        <translation>
            <numerusform>%n entrada.</numerusform>
            <numerusform>%n entradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your journal is empty.</source>
        <translation>Tu diario está vacío.</translation>
    </message>
    <message>
        <source>No ratings to show.</source>
        <translation>No hay valoraciones que mostrar.</translation>
    </message>
    <message numerus="yes">
        <source>%n sessions on %1, oldest first: the first and the last rating of each. The table below lists every entry.</source>
        <translation>
            <numerusform>%n sesión sobre %1: la primera y la última valoración. La tabla de abajo muestra todas las entradas.</numerusform>
            <numerusform>%n sesiones sobre %1, de la más antigua a la más reciente: la primera y la última valoración de cada una. La tabla de abajo muestra todas las entradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the entry of %1 for “%2”? This cannot be undone.</source>
        <translation>¿Eliminar la entrada del %1 sobre «%2»? No se podrá deshacer.</translation>
    </message>
    <message>
        <source>The entry could not be deleted; the journal is unchanged.</source>
        <translation>No se ha podido eliminar la entrada; el diario sigue igual.</translation>
    </message>
    <message>
        <source>Delete the copies of your journal kept aside because they could not be read (%1)? This cannot be undone.</source>
        <translation>¿Eliminar las copias de tu diario apartadas porque no se podían leer (%1)? No se podrá deshacer.</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n entries of your journal? This cannot be undone.</source>
        <translation>
            <numerusform>¿Eliminar %n entrada de tu diario? No se podrá deshacer.</numerusform>
            <numerusform>¿Eliminar las %n entradas de tu diario? No se podrá deshacer.</numerusform>
        </translation>
    </message>
    <message>
        <source>The copies kept aside because they could not be read are deleted too: %1.</source>
        <translation>También se eliminan las copias apartadas porque no se podían leer: %1.</translation>
    </message>
    <message>
        <source>Some copies kept aside could not be deleted. You can delete the files journal.damaged-* in %1 yourself.</source>
        <translation>No se han podido eliminar algunas copias apartadas. Puedes eliminar por tu cuenta los archivos journal.damaged-* de %1.</translation>
    </message>
    <message>
        <source>Export the journal</source>
        <translation>Exportar el diario</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The journal was exported to %1.</source>
        <translation>El diario se ha exportado a %1.</translation>
    </message>
    <message>
        <source>The journal could not be exported to %1. Nothing in the journal has changed.</source>
        <translation>No se ha podido exportar el diario a %1. No ha cambiado nada en el diario.</translation>
    </message>
</context>
<context>
    <name>mindrova::frmPersonalSessionEdit</name>
    <message>
        <source>Edit a session</source>
        <translation>Editar una sesión</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Set-up statement</source>
        <translation>Frase de preparación</translation>
    </message>
    <message>
        <source>Negative lines, one a row</source>
        <translation>Frases negativas, una por línea</translation>
    </message>
    <message>
        <source>Positive lines, one a row</source>
        <translation>Frases positivas, una por línea</translation>
    </message>
    <message>
        <source>Seconds per point</source>
        <translation>Segundos por punto</translation>
    </message>
    <message>
        <source>As in Session options</source>
        <translation>Como en las opciones de sesión</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>All sixteen points</source>
        <translation>Los dieciséis puntos</translation>
    </message>
    <message>
        <source>One side per round</source>
        <translation>Un lado por ronda</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>Set-&amp;up statement:</source>
        <translation>&amp;Frase de preparación:</translation>
    </message>
    <message>
        <source>&amp;Negative lines, one a row:</source>
        <translation>Frases &amp;negativas, una por línea:</translation>
    </message>
    <message>
        <source>&amp;Positive lines, one a row:</source>
        <translation>Frases &amp;positivas, una por línea:</translation>
    </message>
    <message>
        <source>Seconds per p&amp;oint:</source>
        <translation>Segundos por p&amp;unto:</translation>
    </message>
    <message>
        <source>&amp;Round:</source>
        <translation>&amp;Ronda:</translation>
    </message>
    <message>
        <source>You already have a session called “%1”; give this one another title.</source>
        <translation>Ya tienes una sesión llamada «%1»; ponle a esta otro título.</translation>
    </message>
</context>
<context>
    <name>mindrova::frmPersonalSessions</name>
    <message>
        <source>My sessions</source>
        <translation>Mis sesiones</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Nueva sesión</translation>
    </message>
    <message>
        <source>Start from the issue</source>
        <translation>Partir del tema</translation>
    </message>
    <message>
        <source>&amp;Start from the issue:</source>
        <translation>&amp;Partir del tema:</translation>
    </message>
    <message>
        <source>Its statement and phrases are filled in for you to change.</source>
        <translation>Su frase de preparación y sus frases ya vienen escritas; luego puedes cambiarlas.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Your sessions</source>
        <translation>Tus sesiones</translation>
    </message>
    <message>
        <source>Your &amp;sessions:</source>
        <translation>&amp;Tus sesiones:</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nueva…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;uplicar</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>E&amp;liminar…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Not listed, as they cannot be used (they are left as they are in %1):</source>
        <translation>No aparecen en la lista porque no se pueden usar (se dejan tal como están en %1):</translation>
    </message>
    <message>
        <source>No sessions yet. New makes one from an issue.</source>
        <translation>Todavía no hay sesiones. «Nueva» crea una a partir de un tema.</translation>
    </message>
    <message>
        <source>The session “%1” could not be saved (%2). Your other sessions are unchanged.</source>
        <translation>No se ha podido guardar la sesión «%1» (%2). Tus otras sesiones siguen igual.</translation>
    </message>
    <message>
        <source>“%1” was saved.</source>
        <translation>«%1» se ha guardado.</translation>
    </message>
    <message>
        <source>Edit a session</source>
        <translation>Editar una sesión</translation>
    </message>
    <message>
        <source>“%1” was made as a copy.</source>
        <translation>«%1» se ha creado como copia.</translation>
    </message>
    <message>
        <source>Delete your session “%1”? Its file %2 is deleted; this cannot be undone.</source>
        <translation>¿Eliminar tu sesión «%1»? Se eliminará su archivo %2; no se podrá deshacer.</translation>
    </message>
    <message>
        <source>“%1” was deleted.</source>
        <translation>«%1» se ha eliminado.</translation>
    </message>
    <message>
        <source>The session “%1” could not be deleted; it is left as it was.</source>
        <translation>No se ha podido eliminar la sesión «%1»; se queda tal como estaba.</translation>
    </message>
    <message>
        <source>Import a session</source>
        <translation>Importar una sesión</translation>
    </message>
    <message>
        <source>Session files (*.json)</source>
        <translation>Archivos de sesión (*.json)</translation>
    </message>
    <message>
        <source>Export a session</source>
        <translation>Exportar una sesión</translation>
    </message>
    <message>
        <source>“%1” was exported to %2.</source>
        <translation>«%1» se ha exportado a %2.</translation>
    </message>
    <message>
        <source>“%1” could not be exported to %2 (%3).</source>
        <translation>No se ha podido exportar «%1» a %2 (%3).</translation>
    </message>
</context>
<context>
    <name>mindrova::frmVoice</name>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor de voz</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <translation>%1 (no instalado)</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>&amp;Speak a sample</source>
        <translation>&amp;Escuchar una muestra</translation>
    </message>
    <message>
        <source>Speak a sample</source>
        <translation>Escuchar una muestra</translation>
    </message>
    <message>
        <source>Spoken guidance notice</source>
        <translation>Aviso de la guía hablada</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Engine:</source>
        <translation>&amp;Motor de voz:</translation>
    </message>
    <message>
        <source>V&amp;oice:</source>
        <translation>&amp;Voz:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>Veloci&amp;dad:</translation>
    </message>
    <message>
        <source>Vo&amp;lume:</source>
        <translation>V&amp;olumen:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>%1 (not available)</source>
        <translation>%1 (no disponible)</translation>
    </message>
    <message>
        <source>no speech engine started</source>
        <translation>no se ha iniciado ningún motor de voz</translation>
    </message>
    <message>
        <source>No voice could speak: %1</source>
        <translation>Ninguna voz ha podido hablar: %1</translation>
    </message>
</context>
</TS>
