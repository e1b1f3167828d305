<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
    <name>Announcements</name>
    <message>
        <source>Point %1 of %2: %3.</source>
        <translation>Punto %1 de %2: %3.</translation>
    </message>
    <message>
        <source>Point %1 of %2: %3. Say: %4</source>
        <translation>Punto %1 de %2: %3. Di: %4</translation>
    </message>
    <message>
        <source>Step: %1, %2</source>
        <translation>Paso: %1, %2</translation>
    </message>
    <message>
        <source>Step: %1</source>
        <translation>Paso: %1</translation>
    </message>
</context>
<context>
    <name>Issues</name>
    <message>
        <source>Even though I have this addiction (obsession) [your problem here]  I love and accept myself with all my heart.</source>
        <translation>Aunque tengo esta adicción (obsesión) [tu problema aquí], me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this addiction, %1, I love and accept myself with all my heart.</source>
        <translation>Aunque tengo esta adicción, %1, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this anxiety (fear, panic, phobia) I love and accept myself with all my heart.</source>
        <translation>Aunque tengo esta ansiedad (miedo, pánico, fobia), me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this anxiety, %1, I love and accept myself with all my heart.</source>
        <translation>Aunque tengo esta ansiedad, %1, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this depression I love and accept myself with all my heart.</source>
        <translation>Aunque tengo esta depresión, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this depression, %1, I love and accept myself with all my heart.</source>
        <translation>Aunque tengo esta depresión, %1, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this headache I love and accept myself with all my heart.</source>
        <translation>Aunque tengo este dolor de cabeza, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this headache, %1, I love and accept myself with all my heart.</source>
        <translation>Aunque tengo este dolor de cabeza, %1, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this negative memory [your problem here] I love and accept myself with all my heart.</source>
        <translation>Aunque tengo este recuerdo negativo [tu problema aquí], me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this negative memory, %1, I love and accept myself with all my heart.</source>
        <translation>Aunque tengo este recuerdo negativo, %1, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I was exposed to this traumatic event [your trauma here] I love and accept myself with all my heart.</source>
        <translation>Aunque viví este hecho traumático [tu trauma aquí], me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I was exposed to this traumatic event, %1, I love and accept myself with all my heart.</source>
        <translation>Aunque viví este hecho traumático, %1, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this fear of public speaking I love and accept myself with all my heart.</source>
        <translation>Aunque tengo este miedo a hablar en público, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this fear of public speaking, %1, I love and accept myself with all my heart.</source>
        <translation>Aunque tengo este miedo a hablar en público, %1, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this anger [your problem here] I love and accept myself with all my heart.</source>
        <translation>Aunque tengo esta ira [tu problema aquí], me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this anger, %1, I love and accept myself with all my heart.</source>
        <translation>Aunque tengo esta ira, %1, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have so low self esteem I love and accept myself with all my heart.</source>
        <translation>Aunque mi autoestima es tan baja, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have so low self esteem, %1, I love and accept myself with all my heart.</source>
        <translation>Aunque mi autoestima es tan baja, %1, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this trauma [your problem here] I love and accept myself with all my heart.</source>
        <translation>Aunque tengo este trauma [tu problema aquí], me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this trauma, %1, I love and accept myself with all my heart.</source>
        <translation>Aunque tengo este trauma, %1, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this guilt I love and accept myself with all my heart.</source>
        <translation>Aunque tengo esta culpa, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though I have this guilt, %1, I love and accept myself with all my heart.</source>
        <translation>Aunque tengo esta culpa, %1, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though ... [your problem here] I love and accept myself with all my heart.</source>
        <translation>Aunque ... [tu problema aquí], me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Even though ... %1, I love and accept myself with all my heart.</source>
        <translation>Aunque ... %1, me amo y me acepto con todo mi corazón.</translation>
    </message>
    <message>
        <source>Headaches are the number one reason we visit our doctors.</source>
        <translation>El dolor de cabeza es el motivo más frecuente por el que acudimos al médico.</translation>
    </message>
    <message>
        <source>Relax your shoulders. They shouldn&apos;t move when breathing.</source>
        <translation>Relaja los hombros. No deberían moverse al respirar.</translation>
    </message>
    <message>
        <source>Relax muscles of your face. Relax your jaw.</source>
        <translation>Relaja los músculos de la cara. Relaja la mandíbula.</translation>
    </message>
    <message>
        <source>Breath deeply and lightly tap with the index finger and middle finger a &apos;karate chop&apos; point, repeating the introduction sentence:</source>
        <translation>Respira hondo y da golpecitos suaves con los dedos índice y medio en el punto del canto de la mano, mientras repites la frase de preparación:</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Addiction or obsession</source>
        <translation>Adicción u obsesión</translation>
    </message>
    <message>
        <source>Anxiety, fear, panic, phobia</source>
        <translation>Ansiedad, miedo, pánico, fobia</translation>
    </message>
    <message>
        <source>Depression</source>
        <translation>Depresión</translation>
    </message>
    <message>
        <source>Headaches</source>
        <translation>Dolor de cabeza</translation>
    </message>
    <message>
        <source>Negative memory</source>
        <translation>Recuerdo negativo</translation>
    </message>
    <message>
        <source>PTSD</source>
        <translation>TEPT</translation>
    </message>
    <message>
        <source>Public Speaking</source>
        <translation>Hablar en público</translation>
    </message>
    <message>
        <source>Rage or anger</source>
        <translation>Ira o enojo</translation>
    </message>
    <message>
        <source>Self-esteem issues</source>
        <translation>Baja autoestima</translation>
    </message>
    <message>
        <source>Trauma</source>
        <translation>Trauma</translation>
    </message>
    <message>
        <source>Guilt</source>
        <translation>Culpa</translation>
    </message>
    <message>
        <source>PTSD, Trauma</source>
        <translation>TEPT, trauma</translation>
    </message>
    <message>
        <source>Even though</source>
        <comment>the words every set-up statement begins with</comment>
        <translation>Aunque</translation>
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
        <translation>Tu diario está desactivado: no se escribirá nada más en él. ¿Quieres eliminar también las entradas que contiene? No se podrá deshacer.</translation>
    </message>
    <message>
        <source>The copies kept aside because they could not be read are deleted with them: %1.</source>
        <translation>Las copias apartadas porque no se podían leer se eliminan con ellas: %1.</translation>
    </message>
    <message>
        <source>The journal could not be deleted. You can delete the files %1* yourself.</source>
        <translation>No se ha podido eliminar el diario. Puedes eliminar los archivos %1* por tu cuenta.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sobrescribir</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>Conservar &amp;ambas</translation>
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
        <translation>El archivo no contiene ninguna sesión: el JSON que guarda no es un objeto.</translation>
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
        <translation>El título «%1» ya lo tiene %2.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se ha podido crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>(PTSD)</source>
        <translation>(TEPT)</translation>
    </message>
    <message>
        <source>(Trauma)</source>
        <translation>(Trauma)</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positiva</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativa</translation>
    </message>
    <message>
        <source>I cannot control myself.</source>
        <translation>No puedo controlarme.</translation>
    </message>
    <message>
        <source>The craving takes over and I give in again.</source>
        <translation>El deseo me domina y vuelvo a ceder.</translation>
    </message>
    <message>
        <source>I keep telling myself this is the last time.</source>
        <translation>Siempre me digo que es la última vez.</translation>
    </message>
    <message>
        <source>My thoughts keep circling back to it.</source>
        <translation>Mis pensamientos siempre vuelven a eso.</translation>
    </message>
    <message>
        <source>I feel restless and tense when I go without it.</source>
        <translation>Sin eso siento inquietud y tensión.</translation>
    </message>
    <message>
        <source>My chest tightens and my hands won&apos;t keep still.</source>
        <translation>Se me aprieta el pecho y las manos no se me quedan quietas.</translation>
    </message>
    <message>
        <source>I feel ashamed of how much it rules my days.</source>
        <translation>Me avergüenza cuánto domina mis días.</translation>
    </message>
    <message>
        <source>I hide it from the people who care about me.</source>
        <translation>Se lo oculto a quienes me quieren.</translation>
    </message>
    <message>
        <source>I use it to numb what I don&apos;t want to feel.</source>
        <translation>Lo uso para no sentir lo que duele.</translation>
    </message>
    <message>
        <source>Part of me wants to stop and part of me doesn&apos;t.</source>
        <translation>Una parte de mí quiere parar y otra no.</translation>
    </message>
    <message>
        <source>I&apos;m afraid of who I am without it.</source>
        <translation>Me da miedo quién sería sin eso.</translation>
    </message>
    <message>
        <source>I feel weak and disappointed in myself.</source>
        <translation>Me siento débil y me decepciono.</translation>
    </message>
    <message>
        <source>This habit feels stronger than my will.</source>
        <translation>Este hábito parece más fuerte que mi voluntad.</translation>
    </message>
    <message>
        <source>Pain is the source of my addiction; I release this pain now.</source>
        <translation>El dolor alimenta mi adicción; ahora lo suelto.</translation>
    </message>
    <message>
        <source>I notice the craving and I let it pass like a wave.</source>
        <translation>Noto el deseo y lo dejo pasar como una ola.</translation>
    </message>
    <message>
        <source>I can feel an urge without acting on it.</source>
        <translation>Puedo sentir un impulso sin seguirlo.</translation>
    </message>
    <message>
        <source>I breathe into the tension and let my body settle.</source>
        <translation>Llevo el aire hacia la tensión y mi cuerpo se calma.</translation>
    </message>
    <message>
        <source>I forgive myself for every time I gave in.</source>
        <translation>Me perdono todas las veces que cedí.</translation>
    </message>
    <message>
        <source>I am more than this habit.</source>
        <translation>Soy más que este hábito.</translation>
    </message>
    <message>
        <source>I meet my hurt with kindness instead of hiding it.</source>
        <translation>Acojo mi dolor con cariño en vez de esconderlo.</translation>
    </message>
    <message>
        <source>I choose what is good for me, one&#xa0;moment&#xa0;at a time.</source>
        <translation>Elijo lo que me hace bien, momento a momento.</translation>
    </message>
    <message>
        <source>I give myself what I really need: rest, comfort and care.</source>
        <translation>Me doy lo que necesito: descanso, consuelo y cuidado.</translation>
    </message>
    <message>
        <source>I am allowed to ask for help.</source>
        <translation>Tengo derecho a pedir ayuda.</translation>
    </message>
    <message>
        <source>Each small choice I make counts.</source>
        <translation>Cada pequeña decisión cuenta.</translation>
    </message>
    <message>
        <source>My mind can rest on other things.</source>
        <translation>Mi mente puede descansar en otras cosas.</translation>
    </message>
    <message>
        <source>I am patient with myself when it is hard.</source>
        <translation>Soy paciente conmigo cuando cuesta.</translation>
    </message>
    <message>
        <source>I am learning to live without leaning on it.</source>
        <translation>Aprendo a vivir sin apoyarme en eso.</translation>
    </message>
    <message>
        <source>I trust that I can get through this day.</source>
        <translation>Confío en que podré con este día.</translation>
    </message>
    <message>
        <source>I deserve a free and peaceful life.</source>
        <translation>Merezco una vida libre y en paz.</translation>
    </message>
    <message>
        <source>I cannot calm myself down.</source>
        <translation>No consigo calmarme.</translation>
    </message>
    <message>
        <source>My heart is racing and I can&apos;t catch my breath.</source>
        <translation>El corazón se me acelera y me falta el aire.</translation>
    </message>
    <message>
        <source>My chest feels tight and my hands are shaking.</source>
        <translation>Siento el pecho apretado y me tiemblan las manos.</translation>
    </message>
    <message>
        <source>I feel dizzy and I&apos;m afraid I will lose control.</source>
        <translation>Me mareo y tengo miedo de perder el control.</translation>
    </message>
    <message>
        <source>I keep waiting for something bad to happen.</source>
        <translation>Vivo esperando que pase algo malo.</translation>
    </message>
    <message>
        <source>My mind jumps from one worry to the next.</source>
        <translation>Mi mente salta de una preocupación a otra.</translation>
    </message>
    <message>
        <source>I sense danger everywhere, even when I am safe.</source>
        <translation>Siento peligro en todas partes, aun estando a salvo.</translation>
    </message>
    <message>
        <source>I am scared of the fear itself.</source>
        <translation>Tengo miedo al miedo.</translation>
    </message>
    <message>
        <source>I avoid places and people because of this panic.</source>
        <translation>Por este pánico evito lugares y personas.</translation>
    </message>
    <message>
        <source>My stomach is in knots.</source>
        <translation>Tengo un nudo en el estómago.</translation>
    </message>
    <message>
        <source>I can&apos;t sit still; I&apos;m on edge all the time.</source>
        <translation>No paro ni un momento; vivo con los nervios de punta.</translation>
    </message>
    <message>
        <source>I feel trapped and I want to run away.</source>
        <translation>Me siento sin salida y quiero huir.</translation>
    </message>
    <message>
        <source>What if it happens again?</source>
        <translation>¿Y si vuelve a pasar?</translation>
    </message>
    <message>
        <source>I&apos;m ashamed that I can&apos;t handle this.</source>
        <translation>Me avergüenza no poder con esto.</translation>
    </message>
    <message>
        <source>This fear keeps me from living my life.</source>
        <translation>Este miedo no me deja vivir.</translation>
    </message>
    <message>
        <source>I feel so tense and so alone with this.</source>
        <translation>Siento tanta tensión y tanta soledad con esto.</translation>
    </message>
    <message>
        <source>I breathe slowly, deeply and naturally. I remain calm.</source>
        <translation>Respiro despacio, hondo y con naturalidad. Mantengo la calma.</translation>
    </message>
    <message>
        <source>With every breath out my body lets go a little more.</source>
        <translation>Con cada exhalación mi cuerpo se suelta un poco más.</translation>
    </message>
    <message>
        <source>My heartbeat slows down and finds its own rhythm.</source>
        <translation>Mi corazón se calma y encuentra su ritmo.</translation>
    </message>
    <message>
        <source>My shoulders drop and my hands are still.</source>
        <translation>Mis hombros bajan y mis manos se aquietan.</translation>
    </message>
    <message>
        <source>I am safe in this moment.</source>
        <translation>En este momento estoy a salvo.</translation>
    </message>
    <message>
        <source>I feel my feet on the ground.</source>
        <translation>Siento los pies en el suelo.</translation>
    </message>
    <message>
        <source>Feelings come and go; this one will pass too.</source>
        <translation>Los sentimientos van y vienen; este también pasará.</translation>
    </message>
    <message>
        <source>I can notice my fear without obeying it.</source>
        <translation>Puedo notar mi miedo sin obedecerlo.</translation>
    </message>
    <message>
        <source>I am stronger than this fear.</source>
        <translation>Soy más fuerte que este miedo.</translation>
    </message>
    <message>
        <source>I accept myself, even when I feel anxious.</source>
        <translation>Me acepto, aunque sienta ansiedad.</translation>
    </message>
    <message>
        <source>I give my mind permission to rest.</source>
        <translation>Le doy permiso a mi mente para descansar.</translation>
    </message>
    <message>
        <source>I take one small step at a time.</source>
        <translation>Doy un pequeño paso cada vez.</translation>
    </message>
    <message>
        <source>I can handle what comes my way.</source>
        <translation>Puedo con lo que venga.</translation>
    </message>
    <message>
        <source>I am kind to myself when I feel afraid.</source>
        <translation>Soy amable conmigo cuando tengo miedo.</translation>
    </message>
    <message>
        <source>My thoughts slow down and become clear.</source>
        <translation>Mis pensamientos se calman y se aclaran.</translation>
    </message>
    <message>
        <source>Peace and calm are growing inside me.</source>
        <translation>La paz y la calma crecen dentro de mí.</translation>
    </message>
    <message>
        <source>I feel awful. I don&apos;t feel safe and sound.</source>
        <translation>Me siento muy mal. No me siento a salvo.</translation>
    </message>
    <message>
        <source>Everything feels heavy and grey.</source>
        <translation>Todo me parece pesado y gris.</translation>
    </message>
    <message>
        <source>I have no energy to get out of bed.</source>
        <translation>No tengo fuerzas para levantarme.</translation>
    </message>
    <message>
        <source>Nothing gives me joy anymore.</source>
        <translation>Ya nada me da alegría.</translation>
    </message>
    <message>
        <source>I feel empty inside.</source>
        <translation>Siento un vacío por dentro.</translation>
    </message>
    <message>
        <source>My body feels tired and slow.</source>
        <translation>Siento el cuerpo pesado y sin fuerzas.</translation>
    </message>
    <message>
        <source>It&apos;s hard to think clearly or make decisions.</source>
        <translation>Me cuesta pensar con claridad y decidir.</translation>
    </message>
    <message>
        <source>I feel worthless and useless.</source>
        <translation>Me siento inútil y sin valor.</translation>
    </message>
    <message>
        <source>I keep blaming myself for everything.</source>
        <translation>Me culpo de todo.</translation>
    </message>
    <message>
        <source>I don&apos;t want to see anyone.</source>
        <translation>No quiero ver a nadie.</translation>
    </message>
    <message>
        <source>I feel so alone, even with people around me.</source>
        <translation>Siento mucha soledad, aunque haya gente a mi alrededor.</translation>
    </message>
    <message>
        <source>I can&apos;t remember what it felt like to be happy.</source>
        <translation>Ya no recuerdo lo que es ser feliz.</translation>
    </message>
    <message>
        <source>I cry for no reason, or I feel nothing at all.</source>
        <translation>Lloro sin motivo o no siento nada.</translation>
    </message>
    <message>
        <source>The days drag on and all look the same.</source>
        <translation>Los días se arrastran y todos son iguales.</translation>
    </message>
    <message>
        <source>I can&apos;t see a way out of this darkness.</source>
        <translation>No veo salida a esta oscuridad.</translation>
    </message>
    <message>
        <source>I&apos;m tired of feeling this way.</source>
        <translation>Me cansa sentirme así.</translation>
    </message>
    <message>
        <source>I love myself for who I am. I love myself unconditionally.</source>
        <translation>Me quiero como soy. Me quiero sin condiciones.</translation>
    </message>
    <message>
        <source>I accept how I feel right now, without judging myself.</source>
        <translation>Acepto lo que siento ahora, sin juzgarme.</translation>
    </message>
    <message>
        <source>It is okay to go slowly.</source>
        <translation>Está bien ir despacio.</translation>
    </message>
    <message>
        <source>I am gentle with myself today.</source>
        <translation>Hoy me trato con suavidad.</translation>
    </message>
    <message>
        <source>I take one small step, and that is enough.</source>
        <translation>Doy un pequeño paso, y con eso basta.</translation>
    </message>
    <message>
        <source>I notice the small good things around me.</source>
        <translation>Noto las pequeñas cosas buenas a mi alrededor.</translation>
    </message>
    <message>
        <source>I let a little light back into my life.</source>
        <translation>Dejo entrar un poco de luz en mi vida.</translation>
    </message>
    <message>
        <source>My feelings are real, and they can change.</source>
        <translation>Mis sentimientos son reales y pueden cambiar.</translation>
    </message>
    <message>
        <source>I allow myself to rest without guilt.</source>
        <translation>Me permito descansar sin culpa.</translation>
    </message>
    <message>
        <source>I reach out to people who care about me.</source>
        <translation>Me acerco a las personas que me quieren.</translation>
    </message>
    <message>
        <source>I deserve kindness, especially from myself.</source>
        <translation>Merezco cariño, sobre todo el mío.</translation>
    </message>
    <message>
        <source>I am worthy of love and care.</source>
        <translation>Merezco amor y cuidado.</translation>
    </message>
    <message>
        <source>I breathe in hope and breathe out heaviness.</source>
        <translation>Inhalo esperanza y exhalo pesadez.</translation>
    </message>
    <message>
        <source>I am more than this feeling.</source>
        <translation>Soy más que este sentimiento.</translation>
    </message>
    <message>
        <source>Every day I find a little more strength.</source>
        <translation>Cada día encuentro un poco más de fuerza.</translation>
    </message>
    <message>
        <source>I open myself to joy again.</source>
        <translation>Me abro de nuevo a la alegría.</translation>
    </message>
    <message>
        <source>I cannot relax beause of this terrible headache.</source>
        <translation>Este dolor de cabeza tan fuerte no me deja relajarme.</translation>
    </message>
    <message>
        <source>My head is pounding.</source>
        <translation>Me martillea la cabeza.</translation>
    </message>
    <message>
        <source>There is pressure behind my eyes.</source>
        <translation>Siento presión detrás de los ojos.</translation>
    </message>
    <message>
        <source>My temples are throbbing.</source>
        <translation>Me palpitan las sienes.</translation>
    </message>
    <message>
        <source>My neck and shoulders are stiff and tight.</source>
        <translation>Tengo el cuello y los hombros rígidos y tensos.</translation>
    </message>
    <message>
        <source>My jaw is clenched.</source>
        <translation>Tengo la mandíbula apretada.</translation>
    </message>
    <message>
        <source>Light and noise bother me.</source>
        <translation>La luz y el ruido me molestan.</translation>
    </message>
    <message>
        <source>I can&apos;t think straight with this pain.</source>
        <translation>Con este dolor no puedo pensar con claridad.</translation>
    </message>
    <message>
        <source>I&apos;m tired of this pain coming back.</source>
        <translation>Me agota que este dolor vuelva una y otra vez.</translation>
    </message>
    <message>
        <source>I&apos;m afraid it will get worse.</source>
        <translation>Tengo miedo de que empeore.</translation>
    </message>
    <message>
        <source>I feel irritable and impatient.</source>
        <translation>Estoy irritable e impaciente.</translation>
    </message>
    <message>
        <source>I can&apos;t get anything done.</source>
        <translation>No consigo hacer nada.</translation>
    </message>
    <message>
        <source>I carry so much tension in my head.</source>
        <translation>Acumulo tanta tensión en la cabeza.</translation>
    </message>
    <message>
        <source>I&apos;m worried about everything I have to do.</source>
        <translation>Me preocupa todo lo que tengo que hacer.</translation>
    </message>
    <message>
        <source>I just want this pain to stop.</source>
        <translation>Solo quiero que este dolor pare.</translation>
    </message>
    <message>
        <source>I&apos;m good. I&apos;m worthy. I&apos;m safe.</source>
        <translation>Estoy bien. Valgo mucho. Estoy a salvo.</translation>
    </message>
    <message>
        <source>I let my forehead soften.</source>
        <translation>Dejo que se me relaje la frente.</translation>
    </message>
    <message>
        <source>I relax the muscles around my eyes.</source>
        <translation>Relajo los músculos alrededor de los ojos.</translation>
    </message>
    <message>
        <source>I unclench my jaw and let it hang loose.</source>
        <translation>Suelto la mandíbula y la dejo floja.</translation>
    </message>
    <message>
        <source>My neck and shoulders let go of their tension.</source>
        <translation>El cuello y los hombros sueltan su tensión.</translation>
    </message>
    <message>
        <source>I breathe slowly and let my body rest.</source>
        <translation>Respiro despacio y dejo descansar mi cuerpo.</translation>
    </message>
    <message>
        <source>I give myself permission to slow down.</source>
        <translation>Me doy permiso para ir más despacio.</translation>
    </message>
    <message>
        <source>I don&apos;t have to do everything at once.</source>
        <translation>No tengo que hacerlo todo a la vez.</translation>
    </message>
    <message>
        <source>I let go of the pressure I put on myself.</source>
        <translation>Suelto la presión que me impongo.</translation>
    </message>
    <message>
        <source>I accept this moment as it is.</source>
        <translation>Acepto este momento tal como es.</translation>
    </message>
    <message>
        <source>I listen to what my body needs.</source>
        <translation>Escucho lo que mi cuerpo necesita.</translation>
    </message>
    <message>
        <source>I allow myself to rest in a quiet place.</source>
        <translation>Me permito descansar en un lugar tranquilo.</translation>
    </message>
    <message>
        <source>My breath flows gently through my whole body.</source>
        <translation>Mi respiración fluye suave por todo el cuerpo.</translation>
    </message>
    <message>
        <source>I release the worries I have been holding.</source>
        <translation>Suelto las preocupaciones que cargaba.</translation>
    </message>
    <message>
        <source>I am calm and patient with myself.</source>
        <translation>Estoy en calma y soy paciente conmigo.</translation>
    </message>
    <message>
        <source>I feel lighter and more at ease.</source>
        <translation>Siento más ligereza y más calma.</translation>
    </message>
    <message>
        <source>I cannot deal with my past...</source>
        <translation>No puedo con mi pasado...</translation>
    </message>
    <message>
        <source>I&apos;m struggling to live with this...</source>
        <translation>Me cuesta tanto vivir con esto...</translation>
    </message>
    <message>
        <source>I cannot do anything about this...</source>
        <translation>No puedo hacer nada al respecto...</translation>
    </message>
    <message>
        <source>I cannot accept what happened...</source>
        <translation>No puedo aceptar lo que pasó...</translation>
    </message>
    <message>
        <source>I am paralyzed with shame and fear...</source>
        <translation>La vergüenza y el miedo me paralizan...</translation>
    </message>
    <message>
        <source>The burden is so heavy...</source>
        <translation>La carga pesa tanto...</translation>
    </message>
    <message>
        <source>I have no peace...</source>
        <translation>No tengo paz...</translation>
    </message>
    <message>
        <source>I cannot move on from the past...</source>
        <translation>No logro dejar atrás el pasado...</translation>
    </message>
    <message>
        <source>I cannot let go of this...</source>
        <translation>No puedo soltar esto...</translation>
    </message>
    <message>
        <source>I cannot accept my shame...</source>
        <translation>No puedo aceptar mi vergüenza...</translation>
    </message>
    <message>
        <source>I cannot release this.</source>
        <translation>No logro liberarme de esto.</translation>
    </message>
    <message>
        <source>How to resolve this?</source>
        <translation>¿Cómo resuelvo esto?</translation>
    </message>
    <message>
        <source>I don&apos;t feel safe. I keep running away from my past.</source>
        <translation>No me siento a salvo. Sigo huyendo de mi pasado.</translation>
    </message>
    <message>
        <source>It seems that I cannot do anything about this and it&apos;s so depressing.</source>
        <translation>Parece que no puedo hacer nada, y es tan deprimente.</translation>
    </message>
    <message>
        <source>This negative memory... It hurts so much...</source>
        <translation>Este recuerdo... Duele tanto...</translation>
    </message>
    <message>
        <source>I can&apos;t let go of this negative memory...</source>
        <translation>No puedo soltar este recuerdo...</translation>
    </message>
    <message>
        <source>I am emotionally detached from what happened.</source>
        <translation>Tomo distancia emocional de lo que pasó.</translation>
    </message>
    <message>
        <source>I look at this as if it happened to someone else.</source>
        <translation>Lo miro como si le hubiera pasado a otra persona.</translation>
    </message>
    <message>
        <source>I am strong enough to deal with this negative memory.</source>
        <translation>Tengo fuerza suficiente para afrontar este recuerdo.</translation>
    </message>
    <message>
        <source>I make peace with my past.</source>
        <translation>Hago las paces con mi pasado.</translation>
    </message>
    <message>
        <source>My past has no power over me.</source>
        <translation>Mi pasado no tiene poder sobre mí.</translation>
    </message>
    <message>
        <source>I finally resolved this. I am liberated.</source>
        <translation>Por fin lo he resuelto. Me siento libre.</translation>
    </message>
    <message>
        <source>I am calm.</source>
        <translation>Estoy en calma.</translation>
    </message>
    <message>
        <source>This memory has no longer the power to paralyze me.</source>
        <translation>Este recuerdo ya no puede paralizarme.</translation>
    </message>
    <message>
        <source>I am in control.</source>
        <translation>Tengo el control.</translation>
    </message>
    <message>
        <source>I am letting go of this negative memory.</source>
        <translation>Suelto este recuerdo negativo.</translation>
    </message>
    <message>
        <source>I am moving on with my life.</source>
        <translation>Sigo adelante con mi vida.</translation>
    </message>
    <message>
        <source>I let go of my past.</source>
        <translation>Suelto mi pasado.</translation>
    </message>
    <message>
        <source>I have learned from my past.</source>
        <translation>He aprendido de mi pasado.</translation>
    </message>
    <message>
        <source>I allow myself to be happy again.</source>
        <translation>Me permito volver a ser feliz.</translation>
    </message>
    <message>
        <source>I reclaimed my life.</source>
        <translation>He recuperado mi vida.</translation>
    </message>
    <message>
        <source>I am so proud of myself.</source>
        <translation>Siento orgullo de mí.</translation>
    </message>
    <message>
        <source>I freeze in front of the audience.</source>
        <translation>Ante el público me bloqueo.</translation>
    </message>
    <message>
        <source>My mind goes blank when everyone looks at me.</source>
        <translation>Me quedo en blanco cuando todos me miran.</translation>
    </message>
    <message>
        <source>My voice shakes and my mouth goes dry.</source>
        <translation>Me tiembla la voz y se me seca la boca.</translation>
    </message>
    <message>
        <source>My heart pounds and my face turns red.</source>
        <translation>El corazón me late fuerte y me sonrojo.</translation>
    </message>
    <message>
        <source>My hands tremble and I don&apos;t know where to put them.</source>
        <translation>Me tiemblan las manos y no sé dónde ponerlas.</translation>
    </message>
    <message>
        <source>I&apos;m afraid I&apos;ll forget what I wanted to say.</source>
        <translation>Tengo miedo de olvidar lo que quiero decir.</translation>
    </message>
    <message>
        <source>I&apos;m sure they will judge me.</source>
        <translation>Seguro que me van a juzgar.</translation>
    </message>
    <message>
        <source>I&apos;m afraid of looking foolish.</source>
        <translation>Me da miedo hacer el ridículo.</translation>
    </message>
    <message>
        <source>I dread speaking for days beforehand.</source>
        <translation>Desde días antes me angustia tener que hablar.</translation>
    </message>
    <message>
        <source>I feel like everyone can see how nervous I am.</source>
        <translation>Siento que todos notan mis nervios.</translation>
    </message>
    <message>
        <source>I&apos;d rather stay silent than speak up.</source>
        <translation>Prefiero callarme antes que alzar la voz.</translation>
    </message>
    <message>
        <source>I think I am not good enough to speak in public.</source>
        <translation>Creo que no valgo para hablar en público.</translation>
    </message>
    <message>
        <source>I&apos;m afraid of making mistakes.</source>
        <translation>Tengo miedo de equivocarme.</translation>
    </message>
    <message>
        <source>I rush through my words just to get it over with.</source>
        <translation>Hablo deprisa solo para terminar cuanto antes.</translation>
    </message>
    <message>
        <source>I feel exposed and vulnerable in front of people.</source>
        <translation>Frente a la gente me siento vulnerable y sin defensas.</translation>
    </message>
    <message>
        <source>This fear holds me back at work and in life.</source>
        <translation>Este miedo me frena en el trabajo y en la vida.</translation>
    </message>
    <message>
        <source>Meaning what I say is at the heart of my presentation.</source>
        <translation>Creer en lo que digo es lo esencial de mi presentación.</translation>
    </message>
    <message>
        <source>I have something worth sharing.</source>
        <translation>Tengo algo valioso que compartir.</translation>
    </message>
    <message>
        <source>I breathe deeply before I begin.</source>
        <translation>Respiro hondo antes de empezar.</translation>
    </message>
    <message>
        <source>My feet are firmly on the ground.</source>
        <translation>Tengo los pies firmes en el suelo.</translation>
    </message>
    <message>
        <source>I speak slowly and clearly.</source>
        <translation>Hablo despacio y con claridad.</translation>
    </message>
    <message>
        <source>My voice is steady and warm.</source>
        <translation>Mi voz es firme y cálida.</translation>
    </message>
    <message>
        <source>The audience wants me to do well.</source>
        <translation>El público quiere que me vaya bien.</translation>
    </message>
    <message>
        <source>I see friendly faces in the room.</source>
        <translation>Veo caras amables en la sala.</translation>
    </message>
    <message>
        <source>It is okay to pause and gather my thoughts.</source>
        <translation>Está bien hacer una pausa y ordenar mis ideas.</translation>
    </message>
    <message>
        <source>A small mistake does not matter; I simply go on.</source>
        <translation>Un pequeño error no importa; sigo adelante.</translation>
    </message>
    <message>
        <source>I prepare well and I trust my preparation.</source>
        <translation>Me preparo bien y confío en mi preparación.</translation>
    </message>
    <message>
        <source>My nervous energy turns into enthusiasm.</source>
        <translation>Mis nervios se convierten en entusiasmo.</translation>
    </message>
    <message>
        <source>I am myself when I speak.</source>
        <translation>Cuando hablo, me muestro como soy.</translation>
    </message>
    <message>
        <source>I accept a little nervousness as natural.</source>
        <translation>Acepto que un poco de nervios es natural.</translation>
    </message>
    <message>
        <source>I enjoy connecting with people through my words.</source>
        <translation>Disfruto de conectar con la gente a través de mis palabras.</translation>
    </message>
    <message>
        <source>I am calm and confident in front of others.</source>
        <translation>Ante los demás siento calma y confianza.</translation>
    </message>
    <message>
        <source>So much anger...</source>
        <translation>Tanta ira...</translation>
    </message>
    <message>
        <source>I feel the heat rising in my face.</source>
        <translation>Siento que el calor me sube a la cara.</translation>
    </message>
    <message>
        <source>My jaw is tight and my fists are clenched.</source>
        <translation>Tengo la mandíbula tensa y los puños cerrados.</translation>
    </message>
    <message>
        <source>My heart races and my breath gets short.</source>
        <translation>El corazón se me acelera y me falta el aliento.</translation>
    </message>
    <message>
        <source>I explode before I can stop myself.</source>
        <translation>Exploto antes de poder frenarme.</translation>
    </message>
    <message>
        <source>I say things I regret later.</source>
        <translation>Digo cosas de las que luego me arrepiento.</translation>
    </message>
    <message>
        <source>I can&apos;t stop replaying what they did.</source>
        <translation>No dejo de repasar lo que me hicieron.</translation>
    </message>
    <message>
        <source>I feel treated unfairly.</source>
        <translation>Siento que me tratan injustamente.</translation>
    </message>
    <message>
        <source>Nobody listens to me.</source>
        <translation>Nadie me escucha.</translation>
    </message>
    <message>
        <source>Small things set me off.</source>
        <translation>Cualquier tontería me hace estallar.</translation>
    </message>
    <message>
        <source>I&apos;m angry at them and angry at myself.</source>
        <translation>Siento rabia hacia ellos y hacia mí.</translation>
    </message>
    <message>
        <source>I feel hurt under all this anger.</source>
        <translation>Bajo toda esta ira hay una herida.</translation>
    </message>
    <message>
        <source>This anger pushes away the people I love.</source>
        <translation>Esta ira aleja a las personas que quiero.</translation>
    </message>
    <message>
        <source>I&apos;m afraid of losing control.</source>
        <translation>Tengo miedo de perder el control.</translation>
    </message>
    <message>
        <source>My whole body is tense and ready to fight.</source>
        <translation>Todo mi cuerpo está tenso y listo para pelear.</translation>
    </message>
    <message>
        <source>I can&apos;t let this go.</source>
        <translation>No puedo soltarlo.</translation>
    </message>
    <message>
        <source>My mind is clear and open.</source>
        <translation>Mi mente está clara y abierta.</translation>
    </message>
    <message>
        <source>I take a deep breath before I respond.</source>
        <translation>Respiro hondo antes de responder.</translation>
    </message>
    <message>
        <source>I let the heat in my body cool down.</source>
        <translation>Dejo que el calor de mi cuerpo se disipe.</translation>
    </message>
    <message>
        <source>I unclench my fists and relax my jaw.</source>
        <translation>Abro los puños y relajo la mandíbula.</translation>
    </message>
    <message>
        <source>My anger tells me that something matters to me.</source>
        <translation>Mi ira me dice que algo me importa.</translation>
    </message>
    <message>
        <source>I listen to my anger without letting it rule me.</source>
        <translation>Escucho mi ira sin dejar que me domine.</translation>
    </message>
    <message>
        <source>I can express my needs calmly and firmly.</source>
        <translation>Expreso lo que necesito con calma y firmeza.</translation>
    </message>
    <message>
        <source>I choose how I respond.</source>
        <translation>Yo elijo cómo respondo.</translation>
    </message>
    <message>
        <source>I acknowledge the hurt beneath my anger.</source>
        <translation>Reconozco el dolor bajo mi ira.</translation>
    </message>
    <message>
        <source>I forgive myself for past outbursts.</source>
        <translation>Me perdono los estallidos del pasado.</translation>
    </message>
    <message>
        <source>I let go of what I cannot change.</source>
        <translation>Suelto lo que no puedo cambiar.</translation>
    </message>
    <message>
        <source>I give others the patience I want for myself.</source>
        <translation>Doy a los demás la paciencia que quiero para mí.</translation>
    </message>
    <message>
        <source>I have a right to my feelings, and I handle them with care.</source>
        <translation>Tengo derecho a sentir, y trato mis emociones con cuidado.</translation>
    </message>
    <message>
        <source>Peace is stronger than rage.</source>
        <translation>La paz es más fuerte que la ira.</translation>
    </message>
    <message>
        <source>I feel calm, steady and in control.</source>
        <translation>Siento calma, firmeza y control.</translation>
    </message>
    <message>
        <source>I release this anger now.</source>
        <translation>Ahora suelto esta ira.</translation>
    </message>
    <message>
        <source>I am worried when someone disagrees with me.</source>
        <translation>Me preocupa que alguien no esté de acuerdo conmigo.</translation>
    </message>
    <message>
        <source>I feel I&apos;m not good enough.</source>
        <translation>Siento que no valgo lo suficiente.</translation>
    </message>
    <message>
        <source>I compare myself to others and always lose.</source>
        <translation>Me comparo con los demás y siempre pierdo.</translation>
    </message>
    <message>
        <source>I can&apos;t accept a compliment.</source>
        <translation>No sé aceptar un cumplido.</translation>
    </message>
    <message>
        <source>I&apos;m afraid people will find out who I really am.</source>
        <translation>Temo que descubran quién soy de verdad.</translation>
    </message>
    <message>
        <source>I put everyone else&apos;s needs before mine.</source>
        <translation>Pongo las necesidades de todos antes que las mías.</translation>
    </message>
    <message>
        <source>I can&apos;t say no.</source>
        <translation>No sé decir que no.</translation>
    </message>
    <message>
        <source>I criticize myself all the time.</source>
        <translation>Me critico todo el tiempo.</translation>
    </message>
    <message>
        <source>My mistakes prove that I&apos;m a failure.</source>
        <translation>Mis errores demuestran que soy un fracaso.</translation>
    </message>
    <message>
        <source>I don&apos;t deserve to be happy.</source>
        <translation>No merezco ser feliz.</translation>
    </message>
    <message>
        <source>I feel invisible.</source>
        <translation>Me siento invisible.</translation>
    </message>
    <message>
        <source>I need others&apos; approval to feel okay.</source>
        <translation>Necesito la aprobación de otros para estar bien.</translation>
    </message>
    <message>
        <source>I don&apos;t trust my own decisions.</source>
        <translation>No confío en mis propias decisiones.</translation>
    </message>
    <message>
        <source>I shrink back and keep my opinions to myself.</source>
        <translation>Me encojo y me guardo mis opiniones.</translation>
    </message>
    <message>
        <source>I&apos;m ashamed of myself.</source>
        <translation>Me avergüenzo de mí.</translation>
    </message>
    <message>
        <source>I don&apos;t like the person I see in the mirror.</source>
        <translation>No me gusta la persona que veo en el espejo.</translation>
    </message>
    <message>
        <source>I live a life that is true to my own values.</source>
        <translation>Vivo fiel a mis propios valores.</translation>
    </message>
    <message>
        <source>I am enough just as I am.</source>
        <translation>Valgo tal como soy.</translation>
    </message>
    <message>
        <source>My worth does not depend on anyone&apos;s approval.</source>
        <translation>Mi valor no depende de la aprobación de nadie.</translation>
    </message>
    <message>
        <source>I accept compliments with a simple thank you.</source>
        <translation>Acepto los cumplidos con un simple «gracias».</translation>
    </message>
    <message>
        <source>I can disagree with someone and still feel secure.</source>
        <translation>Puedo discrepar y seguir confiando en mí.</translation>
    </message>
    <message>
        <source>My opinions matter.</source>
        <translation>Mis opiniones importan.</translation>
    </message>
    <message>
        <source>I have the right to say no.</source>
        <translation>Tengo derecho a decir que no.</translation>
    </message>
    <message>
        <source>I speak to myself with kindness.</source>
        <translation>Me hablo con cariño.</translation>
    </message>
    <message>
        <source>My mistakes help me learn and grow.</source>
        <translation>Mis errores me ayudan a aprender y crecer.</translation>
    </message>
    <message>
        <source>I deserve love and respect.</source>
        <translation>Merezco amor y respeto.</translation>
    </message>
    <message>
        <source>I trust my own judgement.</source>
        <translation>Confío en mi propio criterio.</translation>
    </message>
    <message>
        <source>I honour my own needs.</source>
        <translation>Respeto mis propias necesidades.</translation>
    </message>
    <message>
        <source>I celebrate my strengths.</source>
        <translation>Celebro mis fortalezas.</translation>
    </message>
    <message>
        <source>I have my own place in this world.</source>
        <translation>Tengo mi propio lugar en este mundo.</translation>
    </message>
    <message>
        <source>I am proud of who I am becoming.</source>
        <translation>Siento orgullo de la persona en la que me estoy convirtiendo.</translation>
    </message>
    <message>
        <source>I like and respect myself.</source>
        <translation>Me aprecio y me respeto.</translation>
    </message>
    <message>
        <source>I feel so guilty. I had no right to do this.</source>
        <translation>Me siento tan culpable. No tenía derecho a hacerlo.</translation>
    </message>
    <message>
        <source>I keep thinking about what I did.</source>
        <translation>No dejo de pensar en lo que hice.</translation>
    </message>
    <message>
        <source>I can&apos;t forgive myself.</source>
        <translation>No puedo perdonarme.</translation>
    </message>
    <message>
        <source>There is a heavy weight on my chest.</source>
        <translation>Siento un gran peso en el pecho.</translation>
    </message>
    <message>
        <source>My stomach turns when I remember it.</source>
        <translation>Se me revuelve el estómago al recordarlo.</translation>
    </message>
    <message>
        <source>I should have known better.</source>
        <translation>Debería haberlo sabido.</translation>
    </message>
    <message>
        <source>I hurt someone and I can&apos;t undo it.</source>
        <translation>Hice daño a alguien y no puedo deshacerlo.</translation>
    </message>
    <message>
        <source>I feel I deserve to suffer for this.</source>
        <translation>Siento que merezco sufrir por esto.</translation>
    </message>
    <message>
        <source>I&apos;m ashamed to look people in the eye.</source>
        <translation>Me avergüenza mirar a la gente a los ojos.</translation>
    </message>
    <message>
        <source>I replay it again and again in my head.</source>
        <translation>Lo repaso una y otra vez en mi cabeza.</translation>
    </message>
    <message>
        <source>I can&apos;t stop asking myself why I did it.</source>
        <translation>No dejo de preguntarme por qué lo hice.</translation>
    </message>
    <message>
        <source>I feel like a bad person.</source>
        <translation>Me siento una mala persona.</translation>
    </message>
    <message>
        <source>I don&apos;t deserve to feel good.</source>
        <translation>No merezco sentirme bien.</translation>
    </message>
    <message>
        <source>I carry this guilt everywhere I go.</source>
        <translation>Llevo esta culpa a todas partes.</translation>
    </message>
    <message>
        <source>I&apos;m afraid I will never be free of it.</source>
        <translation>Temo no librarme nunca de ella.</translation>
    </message>
    <message>
        <source>This guilt keeps me from moving on.</source>
        <translation>Esta culpa no me deja avanzar.</translation>
    </message>
    <message>
        <source>I take responsibility for what I&apos;ve done and for my life.</source>
        <translation>Me hago cargo de lo que hice y de mi vida.</translation>
    </message>
    <message>
        <source>I did the best I could with what I knew then.</source>
        <translation>Hice lo mejor que pude con lo que sabía.</translation>
    </message>
    <message>
        <source>I have learned from this.</source>
        <translation>He aprendido de esto.</translation>
    </message>
    <message>
        <source>I accept that I am human and I make mistakes.</source>
        <translation>Acepto que soy un ser humano y que me equivoco.</translation>
    </message>
    <message>
        <source>I make amends where I can.</source>
        <translation>Reparo lo que puedo.</translation>
    </message>
    <message>
        <source>I let go of what cannot be undone.</source>
        <translation>Suelto lo que no se puede deshacer.</translation>
    </message>
    <message>
        <source>I forgive myself.</source>
        <translation>Me perdono.</translation>
    </message>
    <message>
        <source>I release the weight from my chest.</source>
        <translation>Me quito el peso del pecho.</translation>
    </message>
    <message>
        <source>My mistake does not define who I am.</source>
        <translation>Mi error no define quién soy.</translation>
    </message>
    <message>
        <source>I deserve compassion, even from myself.</source>
        <translation>Merezco compasión, también la mía.</translation>
    </message>
    <message>
        <source>I can hold my head up again.</source>
        <translation>Puedo volver a levantar la cabeza.</translation>
    </message>
    <message>
        <source>I treat myself the way I would treat a friend.</source>
        <translation>Me trato como trataría a una persona querida.</translation>
    </message>
    <message>
        <source>I choose to do better from now on.</source>
        <translation>Elijo hacerlo mejor a partir de ahora.</translation>
    </message>
    <message>
        <source>I allow myself to feel at peace.</source>
        <translation>Me permito sentir paz.</translation>
    </message>
    <message>
        <source>I deserve to feel good again.</source>
        <translation>Merezco volver a sentirme bien.</translation>
    </message>
    <message>
        <source>I am free to move on with my life.</source>
        <translation>Soy libre de seguir con mi vida.</translation>
    </message>
    <message>
        <source>I cannot stop thinking about what happened.</source>
        <translation>No puedo dejar de pensar en lo que pasó.</translation>
    </message>
    <message>
        <source>It was so unpredictable... so uncontrollable...</source>
        <translation>Fue tan imprevisible... tan incontrolable...</translation>
    </message>
    <message>
        <source>It&apos;s so depressing... It is so immobilizing...</source>
        <translation>Es tan deprimente... Me paraliza tanto...</translation>
    </message>
    <message>
        <source>So many things reminds me about this ...</source>
        <translation>Tantas cosas me lo recuerdan...</translation>
    </message>
    <message>
        <source>I cannot concentrate... I feel so frightened...</source>
        <translation>No puedo concentrarme... Tengo tanto miedo...</translation>
    </message>
    <message>
        <source>All this anxiety... all this shame...</source>
        <translation>Toda esta ansiedad... toda esta vergüenza...</translation>
    </message>
    <message>
        <source>I keep re-living it again and again...</source>
        <translation>Lo revivo una y otra vez...</translation>
    </message>
    <message>
        <source>Mistrust... Betrayal... It so sad...</source>
        <translation>Desconfianza... Traición... Es tan triste...</translation>
    </message>
    <message>
        <source>All these memories... flashbacks... nightmares...</source>
        <translation>Todos estos recuerdos... escenas que vuelven... pesadillas...</translation>
    </message>
    <message>
        <source>It feels as if it&apos;s happening again.</source>
        <translation>Siento como si volviera a pasar.</translation>
    </message>
    <message>
        <source>I feel that I have no control over my life.</source>
        <translation>Siento que no controlo mi vida.</translation>
    </message>
    <message>
        <source>I want to avoid this... I am always on guard.</source>
        <translation>Quiero evitarlo... Siempre estoy en guardia.</translation>
    </message>
    <message>
        <source>It feels so hopeless... It&apos;s so hard to sleep... It&apos;s so overwhelming...</source>
        <translation>Siento tanta desesperanza... Me cuesta tanto dormir... Me desborda...</translation>
    </message>
    <message>
        <source>It seems that there is no future for me...</source>
        <translation>Parece que no hay futuro para mí...</translation>
    </message>
    <message>
        <source>I feel stuck with these painful memories...</source>
        <translation>No logro salir de estos recuerdos dolorosos...</translation>
    </message>
    <message>
        <source>I feel so powerless, anxious and vulnerable</source>
        <translation>Siento tanta impotencia, tanta ansiedad, tanta vulnerabilidad.</translation>
    </message>
    <message>
        <source>It&apos;s so numb. I feel disconnected from myself.</source>
        <translation>Todo está tan adormecido. Siento que perdí el contacto conmigo.</translation>
    </message>
    <message>
        <source>I release the past and all these bad feelings.</source>
        <translation>Suelto el pasado y todos estos malos sentimientos.</translation>
    </message>
    <message>
        <source>I&apos;m so powerful.</source>
        <translation>Soy muy fuerte.</translation>
    </message>
    <message>
        <source>I have the strength to heal my body and mind.</source>
        <translation>Tengo fuerza para sanar mi cuerpo y mi mente.</translation>
    </message>
    <message>
        <source>I feel that I&apos;m at home... I&apos;m safe.</source>
        <translation>Me siento en casa... Estoy a salvo.</translation>
    </message>
    <message>
        <source>I am at ease with myself.</source>
        <translation>Estoy en paz conmigo.</translation>
    </message>
    <message>
        <source>The past has no power over me anymore.</source>
        <translation>El pasado ya no tiene poder sobre mí.</translation>
    </message>
    <message>
        <source>I have great future.</source>
        <translation>Tengo un gran futuro.</translation>
    </message>
    <message>
        <source>I can cope with this and come back to my real self...</source>
        <translation>Puedo con esto y volver a ser quien soy...</translation>
    </message>
    <message>
        <source>I am connected to myself and others...</source>
        <translation>Siento conexión conmigo y con los demás...</translation>
    </message>
    <message>
        <source>I trust my inner wisdom...</source>
        <translation>Confío en mi sabiduría interior...</translation>
    </message>
    <message>
        <source>My worries don&apos;t define me... I love and I&apos;m loved..</source>
        <translation>Mis preocupaciones no me definen... Amo y me aman...</translation>
    </message>
    <message>
        <source>I accept myself the way I am.</source>
        <translation>Me acepto tal como soy.</translation>
    </message>
    <message>
        <source>I respect myself profoundly.</source>
        <translation>Me respeto profundamente.</translation>
    </message>
    <message>
        <source>I am focused on creating better future.</source>
        <translation>Me centro en crear un futuro mejor.</translation>
    </message>
</context>
<context>
    <name>Ratings</name>
    <message>
        <source>If this feels too much right now, it is fine to stop, to choose a lighter issue first, or to talk to someone you trust or to a professional.</source>
        <translation>Si ahora mismo esto te resulta demasiado, está bien parar, elegir primero un tema más ligero o hablar con alguien de confianza o con un profesional.</translation>
    </message>
    <message>
        <source>At the start you rated it %1.</source>
        <translation>Al principio lo valoraste con %1.</translation>
    </message>
    <message>
        <source>Your rating went from %1 to %2.</source>
        <translation>Tu valoración pasó de %1 a %2.</translation>
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
    <name>Rounds</name>
    <message>
        <source>Point %1 of %2</source>
        <translation>Punto %1 de %2</translation>
    </message>
    <message>
        <source>Point %1 of %2 · Round %3</source>
        <translation>Punto %1 de %2 · Ronda %3</translation>
    </message>
    <message>
        <source>Point %1 of %2 · Round %3 of %4</source>
        <translation>Punto %1 de %2 · Ronda %3 de %4</translation>
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
    <name>Speech</name>
    <message>
        <source>no speech engine could be started</source>
        <translation>no se pudo iniciar ningún motor de voz</translation>
    </message>
    <message>
        <source>No voice here speaks the language of this program, so spoken guidance stays silent.</source>
        <comment>the translation names its own language</comment>
        <translation>Aquí ninguna voz habla español, así que la guía hablada se queda en silencio.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Mindrova needs a graphical desktop: no display was found.</source>
        <translation>Mindrova necesita un escritorio gráfico: no se encontró ninguna pantalla.</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Next step not defined</source>
        <translation>El paso siguiente no está definido.</translation>
    </message>
    <message>
        <source>Previous step not defined</source>
        <translation>El paso anterior no está definido.</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Select Issue</source>
        <translation>Elegir el tema</translation>
    </message>
    <message>
        <source>Assign SUD</source>
        <translation>Valorar el SUD</translation>
    </message>
    <message>
        <source>Stimulate Thymus</source>
        <translation>Estimular el timo</translation>
    </message>
    <message>
        <source>Left Hand</source>
        <translation>Mano izquierda</translation>
    </message>
    <message>
        <source>Karate chop - Left Hand</source>
        <translation>Canto de la mano izquierda</translation>
    </message>
    <message>
        <source>Right Hand</source>
        <translation>Mano derecha</translation>
    </message>
    <message>
        <source>Karate chop - Right Hand</source>
        <translation>Canto de la mano derecha</translation>
    </message>
    <message>
        <source>Top Head</source>
        <translation>Coronilla</translation>
    </message>
    <message>
        <source>Left Eyebrow</source>
        <translation>Ceja izquierda</translation>
    </message>
    <message>
        <source>Left Eye Corner</source>
        <translation>Rabillo del ojo izquierdo</translation>
    </message>
    <message>
        <source>Left Under Eye</source>
        <translation>Bajo el ojo izquierdo</translation>
    </message>
    <message>
        <source>Under Nose</source>
        <translation>Bajo la nariz</translation>
    </message>
    <message>
        <source>Chin</source>
        <translation>Barbilla</translation>
    </message>
    <message>
        <source>Left Collarbone</source>
        <translation>Clavícula izquierda</translation>
    </message>
    <message>
        <source>Left Under Arm</source>
        <translation>Bajo el brazo izquierdo</translation>
    </message>
    <message>
        <source>Right Eyebrow</source>
        <translation>Ceja derecha</translation>
    </message>
    <message>
        <source>Right Eye Corner</source>
        <translation>Rabillo del ojo derecho</translation>
    </message>
    <message>
        <source>Right Under Eye</source>
        <translation>Bajo el ojo derecho</translation>
    </message>
    <message>
        <source>Right Collarbone</source>
        <translation>Clavícula derecha</translation>
    </message>
    <message>
        <source>Right Under Arm</source>
        <translation>Bajo el brazo derecho</translation>
    </message>
    <message>
        <source>Relax</source>
        <translation>Relajarse</translation>
    </message>
    <message>
        <source>Reasses SUD</source>
        <translation>Reevaluar el SUD</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Explanation of Negative Sequence</source>
        <translation>Explicación de la ronda negativa</translation>
    </message>
    <message>
        <source>Please sit up straight in a safe, quiet place and relax.</source>
        <translation>Siéntate con la espalda recta en un lugar seguro y tranquilo, y relájate.</translation>
    </message>
    <message>
        <source>Take a deep breath.</source>
        <translation>Respira hondo.</translation>
    </message>
    <message>
        <source>Expand your body - put your chest forward, head up, your feet shoulder-width apart. Keep your whole spine straight. Place your tongue against the roof of your mouth. Take as much space as you can. You have right to be here. You are in charge.</source>
        <translation>Abre tu cuerpo: el pecho hacia adelante, la cabeza alta, los pies separados a la anchura de los hombros. Mantén toda la columna recta. Apoya la lengua en el paladar. Ocupa todo el espacio que puedas. Tienes derecho a estar aquí. Tú decides.</translation>
    </message>
    <message>
        <source>There is no right or wrong way of working towards achiving emotional freedom, there is only your way. You are on the right path as long as you feel the emotions you want to clear. With time you will clear your negative emotions and you&apos;ll achieve calmness and peace of mind.</source>
        <translation>No hay una forma correcta o incorrecta de avanzar hacia la libertad emocional: solo existe tu forma. Vas por buen camino mientras sientas las emociones que quieres liberar. Con el tiempo liberarás tus emociones negativas y alcanzarás la calma y la paz interior.</translation>
    </message>
    <message>
        <source>Whenever you are ready, please click anywhere on the screen or press a spacebar or an Enter key to move to the next step.</source>
        <translation>Cuando quieras, haz clic en cualquier parte de la pantalla o pulsa la barra espaciadora o la tecla Intro para pasar al siguiente paso.</translation>
    </message>
    <message>
        <source>Please select an emotional issue you want to clear.</source>
        <translation>Elige un tema emocional que quieras liberar.</translation>
    </message>
    <message>
        <source>It should be an issue which triggers negative emotions in you. For exampke, whenever you think about it you get upset, your hands are sweating, your heart is pounding, your blood circulates faster, your pulse accelerates.</source>
        <translation>Debe ser un tema que despierte en ti emociones negativas. Por ejemplo: cada vez que piensas en él te alteras, te sudan las manos, el corazón te late con fuerza, la sangre circula más deprisa y el pulso se acelera.</translation>
    </message>
    <message>
        <source>Click button Next when you are ready.</source>
        <translation>Haz clic en «Siguiente» cuando quieras.</translation>
    </message>
    <message>
        <source>Now please assess the intensity of the issue - the level of discomfort it causes. Assign a SUD number to this issue.</source>
        <translation>Ahora valora la intensidad del tema: cuánto malestar te causa. Asígnale un valor SUD.</translation>
    </message>
    <message>
        <source>A SUD number is a unit on so called &apos;Subjective Unit of Distress&apos; scale.</source>
        <translation>El valor SUD es una unidad de la escala de malestar subjetivo («Subjective Units of Distress»).</translation>
    </message>
    <message>
        <source>It is number from 0 to 10, where 0 means that the issue is not bothering you at all, and 10 indicates the highest level of distress.</source>
        <translation>Es un número del 0 al 10: el 0 significa que el tema no te molesta en absoluto y el 10 indica el mayor malestar.</translation>
    </message>
    <message>
        <source>Go to the next step when you are ready.</source>
        <translation>Pasa al siguiente paso cuando quieras.</translation>
    </message>
    <message>
        <source>Breathe deeply and slowly - inhaling through the nose and out through the mouth. Slowly inhale, slowly exhale and stop for about three seconds.</source>
        <translation>Respira hondo y despacio: inhala por la nariz y exhala por la boca. Inhala despacio, exhala despacio y haz una pausa de unos tres segundos.</translation>
    </message>
    <message>
        <source>Gently tap your thymus with the index finger and middle finger for about half a minute. It doesn&apos;t matter which hand you use, left or right.</source>
        <translation>Da golpecitos suaves sobre el timo con los dedos índice y medio durante medio minuto. Da igual qué mano uses, la izquierda o la derecha.</translation>
    </message>
    <message>
        <source>Thymus gland regulates human&apos;s body and is its energetic battery. It is located behind your sternum and between your lungs, about 2 inches below the collarbone.</source>
        <translation>El timo regula el cuerpo humano y es su batería de energía. Está detrás del esternón, entre los pulmones, unos cinco centímetros por debajo de la clavícula.</translation>
    </message>
    <message>
        <source>When stimulating thymus, the will to heal - life&apos;s energy - is activated.</source>
        <translation>Al estimular el timo se activa la voluntad de sanar: la energía de la vida.</translation>
    </message>
    <message>
        <source>Continue tapping. Relax and remember to breathe slowly. Repeat (or use your own words to reframe the issue): </source>
        <translation>Sigue dando golpecitos. Relájate y recuerda respirar despacio. Repite (o usa tus propias palabras para ver el tema de otra forma): </translation>
    </message>
    <message>
        <source>Breathe slowly and gently tap the indicated points with the index finger and middle finger. Repeat (or use your own words): </source>
        <translation>Respira despacio y da golpecitos suaves en los puntos indicados con los dedos índice y medio. Repite (o usa tus propias palabras): </translation>
    </message>
    <message>
        <source>Say &apos;Peace&apos; and take couple of deep breaths.</source>
        <translation>Di «Paz» y respira hondo un par de veces.</translation>
    </message>
    <message>
        <source>Detach yourself from the issue. This issue is not you. It doesn&apos;t define you.</source>
        <translation>Sepárate del tema. Este tema no eres tú. No te define.</translation>
    </message>
    <message>
        <source>If this issue was triggered by a situation in the past, re-live this situation, but this time separate yourself from it.</source>
        <translation>Si el tema surgió de una situación del pasado, vuelve a vivirla, pero esta vez manteniendo distancia.</translation>
    </message>
    <message>
        <source>Watch it through the lenses of a camera. Camera doesn&apos;t judge or assign emotions.</source>
        <translation>Mírala a través de la lente de una cámara. Una cámara no juzga ni añade emociones.</translation>
    </message>
    <message>
        <source>Observe as this would happen to someone else. You can modify the situation - you can bring other people or beings, real of imaginary. You are in control. You can change your behavior but you cannot change behavior of people who caused harm to you.</source>
        <translation>Obsérvala como si le pasara a otra persona. Puedes cambiar la situación: puedes traer a otras personas o seres, reales o imaginarios. Tú tienes el control. Puedes cambiar tu conducta, pero no la de quienes te hicieron daño.</translation>
    </message>
    <message>
        <source>This will re-frame this event for you. You will remember it but the negative emotions will go away.</source>
        <translation>Así verás este hecho de otra manera. Lo recordarás, pero las emociones negativas se irán.</translation>
    </message>
    <message>
        <source>In the next step you&apos;ll give yourself the comfort you wish had been given to you.</source>
        <translation>En el siguiente paso te darás el consuelo que te habría gustado recibir.</translation>
    </message>
    <message>
        <source>Say &apos;Peace&apos; and take a deep breath.</source>
        <translation>Di «Paz» y respira hondo.</translation>
    </message>
    <message>
        <source>Reasses SUD - the intensity of the emotion or stress related to given issue.</source>
        <translation>Vuelve a valorar el SUD: la intensidad de la emoción o del estrés ligado a este tema.</translation>
    </message>
    <message>
        <source>If it decreased but it is still &gt; 0, you may click the button &apos;Next&apos; and continue tapping till it reaches zero, or you may stop the session and continue it at other time.</source>
        <translation>Si ha bajado pero sigue por encima de 0, puedes hacer clic en «Siguiente» y seguir dando golpecitos hasta llegar a cero, o terminar la sesión y continuar en otro momento.</translation>
    </message>
    <message>
        <source>If SUD = 0, either end the session or click the button &apos;Previous&apos; couple of times to go back to the beginning of the process and move on to the next issue.</source>
        <translation>Si el SUD es 0, termina la sesión o haz clic unas cuantas veces en «Anterior» para volver al principio y pasar al siguiente tema.</translation>
    </message>
    <message>
        <source>Sometimes (though very rarely) it happens that the level of the stress increases.</source>
        <translation>A veces (aunque es muy raro) el nivel de estrés aumenta.</translation>
    </message>
    <message>
        <source>If that&apos;s the case, stop working on that issue and try to clear some other, less intense issue. Come back to the original issue after the lighter issues are cleared.</source>
        <translation>En ese caso, deja ese tema e intenta liberar otro menos intenso. Vuelve al tema original cuando hayas liberado los más ligeros.</translation>
    </message>
    <message>
        <source>To stop the session plese click the button &apos;Finish.</source>
        <translation>Para terminar la sesión, haz clic en «Finalizar».</translation>
    </message>
    <message>
        <source>Take a deep breath. Place one hand on your hearth and the other one abount one inch below your belly button - this spot is called &apos;dan tien&apos;.</source>
        <translation>Respira hondo. Pon una mano sobre el corazón y la otra unos dos centímetros por debajo del ombligo: ese punto se llama «dan tien».</translation>
    </message>
    <message>
        <source>Concentrate on your heart and say:</source>
        <translation>Concéntrate en tu corazón y di:</translation>
    </message>
    <message>
        <source>&apos;I feel you. I understand you. I love you.&apos;</source>
        <translation>«Te siento. Te comprendo. Te quiero.»</translation>
    </message>
    <message>
        <source>Imagine energy flowing between your heart and your dan tien. As you breathe in, the energy goes up to your heart. As you breath out, the energy goes down to your dan tien.</source>
        <translation>Imagina cómo fluye la energía entre tu corazón y tu dan tien. Al inhalar, la energía sube al corazón. Al exhalar, baja a tu dan tien.</translation>
    </message>
    <message>
        <source>Send your love to the outside world, to everyone and everything.</source>
        <translation>Envía tu amor al mundo, a todos y a todo.</translation>
    </message>
    <message>
        <source>Say:</source>
        <translation>Di:</translation>
    </message>
    <message>
        <source>&apos;I am greatful for this healing.&apos;</source>
        <translation>«Agradezco esta sanación.»</translation>
    </message>
    <message>
        <source>The issue is gone. You are safe. Somebody loves you.</source>
        <translation>El tema se ha ido. Estás a salvo. Alguien te quiere.</translation>
    </message>
    <message>
        <source>Before working on the issue, you have first to tune in into the emotion associated with it.</source>
        <translation>Antes de trabajar el tema, primero tienes que conectar con la emoción que lo acompaña.</translation>
    </message>
    <message>
        <source>The best way is to &apos;poke&apos; oneselves to feel related experience and sensations.</source>
        <translation>Lo mejor es darte un pequeño «empujón» para sentir las vivencias y sensaciones relacionadas.</translation>
    </message>
    <message>
        <source>(By putting yourself in the frightening situation without any negative consequences, your subonsciousness learns that anxiety isn’t appropriate.)</source>
        <translation>(Al ponerte en la situación que te asusta sin ninguna consecuencia negativa, tu subconsciente aprende que la ansiedad no es necesaria.)</translation>
    </message>
    <message>
        <source>The program will guide you through two &apos;negative rounds&apos; of tapping before switching to positive mode, where actual treatment will take place.</source>
        <translation>El programa te guiará por dos «rondas negativas» de golpecitos antes de pasar a las positivas, donde tiene lugar el verdadero trabajo.</translation>
    </message>
    <message>
        <source>Please go to the next step when you are ready.</source>
        <translation>Pasa al siguiente paso cuando quieras.</translation>
    </message>
    <message>
        <source>Affirmation Statement</source>
        <translation>Frase de preparación</translation>
    </message>
    <message>
        <source>Positive Sequence</source>
        <translation>Ronda positiva</translation>
    </message>
    <message>
        <source>Negative Sequence</source>
        <translation>Ronda negativa</translation>
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
    <name>mindrova::ContentScroll</name>
    <message>
        <source>Scroll the window up and down</source>
        <translation>Desplazar la ventana hacia arriba y hacia abajo</translation>
    </message>
    <message>
        <source>Scroll the window left and right</source>
        <translation>Desplazar la ventana a la izquierda y a la derecha</translation>
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
    <message>
        <source>Last rating, lower</source>
        <translation>Última valoración, más baja</translation>
    </message>
    <message>
        <source>Last rating, higher</source>
        <translation>Última valoración, más alta</translation>
    </message>
    <message>
        <source>Last rating, the same</source>
        <translation>Última valoración, igual</translation>
    </message>
    <message>
        <source>Lower at the end: %1, higher: %2, the same: %3. The newest went from %4 to %5.</source>
        <translation>Más baja al final: %1, más alta: %2, igual: %3. La más reciente pasó de %4 a %5.</translation>
    </message>
</context>
<context>
    <name>mindrova::JournalMenuItems</name>
    <message>
        <source>Keep a private journal</source>
        <translation>Llevar un diario privado</translation>
    </message>
    <message>
        <source>Journal...</source>
        <translation>Diario...</translation>
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
    <name>mindrova::PersonalLinesEditor</name>
    <message>
        <source>Line %1</source>
        <translation>Frase %1</translation>
    </message>
    <message>
        <source>%1 (not said in a full round)</source>
        <translation>%1 (no se dice en una ronda completa)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 of %2 lines</source>
        <translation>%1 de %2 frases</translation>
    </message>
    <message>
        <source>Line %1: 1 character left</source>
        <translation>Frase %1: queda 1 carácter</translation>
    </message>
    <message>
        <source>Line %1: 1 character too many</source>
        <translation>Frase %1: 1 carácter de más</translation>
    </message>
    <message>
        <source>Line %1: %2 characters left</source>
        <translation>Frase %1: quedan %2 caracteres</translation>
    </message>
    <message>
        <source>Line %1: %2 characters too many</source>
        <translation>Frase %1: %2 caracteres de más</translation>
    </message>
    <message>
        <source>Enter or F2 edits a line. Alt+Up and Alt+Down move it, Insert adds a line, Delete removes it.</source>
        <translation>Intro o F2 edita una frase. Alt+Flecha arriba y Alt+Flecha abajo la mueven, Insert añade una frase y Supr la quita.</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Frase</translation>
    </message>
    <message>
        <source>Add a line</source>
        <translation>Añadir una frase</translation>
    </message>
    <message>
        <source>Add a line (Insert)</source>
        <translation>Añadir una frase (Insert)</translation>
    </message>
    <message>
        <source>Remove the line</source>
        <translation>Quitar la frase</translation>
    </message>
    <message>
        <source>Remove the line (Delete)</source>
        <translation>Quitar la frase (Supr)</translation>
    </message>
    <message>
        <source>Move the line up</source>
        <translation>Subir la frase</translation>
    </message>
    <message>
        <source>Move the line up (Alt+Up)</source>
        <translation>Subir la frase (Alt+Flecha arriba)</translation>
    </message>
    <message>
        <source>Move the line down</source>
        <translation>Bajar la frase</translation>
    </message>
    <message>
        <source>Move the line down (Alt+Down)</source>
        <translation>Bajar la frase (Alt+Flecha abajo)</translation>
    </message>
    <message>
        <source>Said on: %1</source>
        <translation>Se dice en: %1</translation>
    </message>
</context>
<context>
    <name>mindrova::PersonalSessionRow</name>
    <message>
        <source>&amp;My sessions:</source>
        <translation>&amp;Mis sesiones:</translation>
    </message>
    <message>
        <source>My sessions</source>
        <translation>Mis sesiones</translation>
    </message>
    <message>
        <source>One of your own sessions in place of the issue above</source>
        <translation>Una de tus propias sesiones en lugar del tema de arriba</translation>
    </message>
    <message>
        <source>Mana&amp;ge...</source>
        <translation>&amp;Gestionar...</translation>
    </message>
    <message>
        <source>Manage my sessions</source>
        <translation>Gestionar mis sesiones</translation>
    </message>
    <message>
        <source>Make, edit, duplicate, delete, import and export your own sessions</source>
        <translation>Crea, edita, duplica, elimina, importa y exporta tus propias sesiones</translation>
    </message>
    <message>
        <source>My sessions notice</source>
        <translation>Aviso de mis sesiones</translation>
    </message>
    <message>
        <source>Your session “%1” runs instead.</source>
        <translation>En su lugar se usa tu sesión «%1».</translation>
    </message>
    <message>
        <source>The issue above</source>
        <translation>El tema de arriba</translation>
    </message>
    <message numerus="yes">
        <source>%n of your session files could not be read. Manage... shows which and why.</source>
        <translation>
            <numerusform>No se pudo leer %n de tus archivos de sesión. «Gestionar...» muestra cuál y por qué.</numerusform>
            <numerusform>No se pudieron leer %n de tus archivos de sesión. «Gestionar...» muestra cuáles y por qué.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mindrova::ProgressPanel</name>
    <message>
        <source>In your own words (optional):</source>
        <translation>Con tus propias palabras (opcional):</translation>
    </message>
    <message>
        <source>In your own words (optional)</source>
        <translation>Con tus propias palabras (opcional)</translation>
    </message>
    <message>
        <source>Your words for the set-up statement, up to %1 characters</source>
        <translation>Tus palabras para la frase de preparación, hasta %1 caracteres</translation>
    </message>
    <message>
        <source>First rating</source>
        <translation>Primera valoración</translation>
    </message>
    <message>
        <source>Rating change</source>
        <translation>Cambio de valoración</translation>
    </message>
</context>
<context>
    <name>mindrova::QtSpeaker</name>
    <message>
        <source>the speech engine &quot;%1&quot; is not installed</source>
        <translation>el motor de voz «%1» no está instalado</translation>
    </message>
    <message>
        <source>the speech engine &quot;%1&quot; did not start</source>
        <translation>el motor de voz «%1» no se inició</translation>
    </message>
    <message>
        <source>the speech engine stopped working</source>
        <translation>el motor de voz dejó de funcionar</translation>
    </message>
</context>
<context>
    <name>mindrova::RoundFollow</name>
    <message>
        <source>Place in the round</source>
        <translation>Posición en la ronda</translation>
    </message>
    <message>
        <source>Follow the round</source>
        <translation>Seguir la ronda</translation>
    </message>
</context>
<context>
    <name>mindrova::WindowDisplay</name>
    <message>
        <source>Steady markers</source>
        <translation>Marcadores fijos</translation>
    </message>
    <message>
        <source>Appearance...</source>
        <translation>Apariencia...</translation>
    </message>
</context>
<context>
    <name>mindrova::WindowSpeech</name>
    <message>
        <source>Spoken guidance notice</source>
        <translation>Aviso de la guía hablada</translation>
    </message>
    <message>
        <source>Spoken guidance is unavailable (%1). The session goes on without it.</source>
        <translation>La guía hablada no está disponible (%1). La sesión continúa sin ella.</translation>
    </message>
    <message>
        <source>Spoken guidance</source>
        <translation>Guía hablada</translation>
    </message>
    <message>
        <source>Voice...</source>
        <translation>Voz...</translation>
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
        <translation>Apariencia</translation>
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
        <translation>A&amp;pariencia:</translation>
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
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Como el escritorio</translation>
    </message>
    <message>
        <source>The language changes the next time Mindrova starts.</source>
        <translation>El idioma cambia la próxima vez que se inicie Mindrova.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>&amp;Follow the round</source>
        <translation>&amp;Seguir la ronda</translation>
    </message>
    <message>
        <source>On each tapping point the line to say stands out and its place in the round shows</source>
        <translation>En cada punto de golpeteo se resalta la frase que dices y ves en qué parte de la ronda estás</translation>
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
        <translation>&amp;Enviar informe de error</translation>
    </message>
    <message>
        <source>&amp;Do Not Send</source>
        <translation>&amp;No enviar</translation>
    </message>
    <message>
        <source>Uh Oh... an error occurred in %1</source>
        <translation>Uy... se ha producido un error en %1</translation>
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
    <message>
        <source>&lt; 1</source>
        <translation>&lt; 1</translation>
    </message>
</context>
<context>
    <name>mindrova::frmMain</name>
    <message>
        <source>Divider</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Pause tapping</source>
        <translation>Pausar los golpecitos</translation>
    </message>
    <message>
        <source>Holds the tapping timer, like Esc</source>
        <translation>Detiene el ritmo de los golpecitos, como Esc</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Previous step</source>
        <translation>Paso anterior</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Paso siguiente</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Opens the menu: keyboard shortcuts, about, exit</source>
        <translation>Abre el menú: atajos de teclado, acerca de, salir</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Step title</source>
        <translation>Título del paso</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Tapping points</source>
        <translation>Puntos de golpeteo</translation>
    </message>
    <message>
        <source>Body with the tapping points</source>
        <translation>Cuerpo con los puntos de golpeteo</translation>
    </message>
    <message>
        <source>Left hand, karate chop point</source>
        <translation>Mano izquierda, punto del canto de la mano</translation>
    </message>
    <message>
        <source>Right hand, karate chop point</source>
        <translation>Mano derecha, punto del canto de la mano</translation>
    </message>
    <message>
        <source>Current point</source>
        <translation>Punto actual</translation>
    </message>
    <message>
        <source>Emotional issue</source>
        <translation>Tema emocional</translation>
    </message>
    <message>
        <source>SUD rating, 0 to 10</source>
        <translation>Valoración SUD, de 0 a 10</translation>
    </message>
    <message>
        <source>SUD %1</source>
        <translation>SUD %1</translation>
    </message>
    <message>
        <source>Tap: %1</source>
        <translation>Da golpecitos en: %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Finalizar</translation>
    </message>
    <message>
        <source>R&amp;esume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>Segment Title</source>
        <translation>Título del paso</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Current Point</source>
        <translation>Punto actual</translation>
    </message>
    <message>
        <source>Today is a good day to contact me - feel free to share with me your feedback/suggestions or just to say hi.</source>
        <translation>Hoy es un buen día para escribirme: cuéntame tus comentarios y sugerencias, o simplemente salúdame.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Session options...</source>
        <translation>Opciones de sesión...</translation>
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
    <message>
        <source>Save &amp;elsewhere…</source>
        <translation>Guardar en &amp;otro lugar…</translation>
    </message>
    <message>
        <source>“%1” could not be saved (%2). Everything you typed is still here: choose Save to try again, or Save elsewhere to keep it in another place.</source>
        <translation>No se ha podido guardar «%1» (%2). Todo lo que has escrito sigue aquí: elige «Guardar» para intentarlo de nuevo o «Guardar en otro lugar» para conservarlo en otra parte.</translation>
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
        <translation>La frase de preparación y las frases del tema ya vienen escritas; luego puedes cambiarlas.</translation>
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
        <translation>¿Eliminar tu sesión «%1»? Se eliminará también el archivo %2; no se podrá deshacer.</translation>
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
    <message>
        <source>The file %1 of “%2” was changed or deleted after you opened it here, perhaps in another copy of Mindrova. Overwrite it with what you typed, or keep both (what you typed as “%3”)?</source>
        <translation>El archivo %1 de «%2» ha cambiado o se ha eliminado después de que lo abrieras aquí, quizá en otra copia de Mindrova abierta a la vez. ¿Quieres sobrescribirlo con lo que has escrito o conservar ambas versiones (lo que has escrito como «%3»)?</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Comenzar</translation>
    </message>
    <message>
        <source>Closes this list and runs the chosen session, beginning with its rating</source>
        <translation>Cierra esta lista e inicia la sesión elegida, empezando por su valoración</translation>
    </message>
</context>
<context>
    <name>mindrova::frmSessionOptions</name>
    <message>
        <source>Session options</source>
        <translation>Opciones de sesión</translation>
    </message>
    <message>
        <source>Seconds per point</source>
        <translation>Segundos por punto</translation>
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
        <source>One side per round, eight points</source>
        <translation>Un lado por ronda, ocho puntos</translation>
    </message>
    <message>
        <source>&amp;Seconds per point:</source>
        <translation>&amp;Segundos por punto:</translation>
    </message>
    <message>
        <source>&amp;Round:</source>
        <translation>&amp;Ronda:</translation>
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
    <name>mindrova::frmShortcuts</name>
    <message>
        <source>Advance to the next step</source>
        <translation>Avanzar al paso siguiente</translation>
    </message>
    <message>
        <source>&apos;N&apos;, left click, space, right or down arrow, enter, or page down</source>
        <translation>«N», clic izquierdo, Espacio, flecha derecha o abajo, Intro o Av Pág</translation>
    </message>
    <message>
        <source>Return to the previous step</source>
        <translation>Volver al paso anterior</translation>
    </message>
    <message>
        <source>&apos;P&apos;, backspace, left or up arrow, or page up</source>
        <translation>«P», Borrar, flecha izquierda o arriba, o Re Pág</translation>
    </message>
    <message>
        <source>Pause tapping</source>
        <translation>Pausar los golpecitos</translation>
    </message>
    <message>
        <source>Esc or Alt + A</source>
        <translation>Esc o Alt + P</translation>
    </message>
    <message>
        <source>Go to Finish</source>
        <translation>Ir a Finalizar</translation>
    </message>
    <message>
        <source>Alt + F</source>
        <translation>Alt + F</translation>
    </message>
    <message>
        <source>Turn spoken guidance on or off</source>
        <translation>Activar o desactivar la guía hablada</translation>
    </message>
    <message>
        <source>&apos;V&apos;</source>
        <translation>«V»</translation>
    </message>
    <message>
        <source>Keboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Open the menu</source>
        <translation>Abrir el menú</translation>
    </message>
    <message>
        <source>Menu key or Shift + F10</source>
        <translation>Tecla de menú o Mayús + F10</translation>
    </message>
    <message>
        <source>Larger text</source>
        <translation>Texto más grande</translation>
    </message>
    <message>
        <source>Ctrl + Plus</source>
        <translation>Ctrl + Más</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Texto más pequeño</translation>
    </message>
    <message>
        <source>Ctrl + Minus</source>
        <translation>Ctrl + Menos</translation>
    </message>
    <message>
        <source>Usual text size</source>
        <translation>Tamaño de texto normal</translation>
    </message>
    <message>
        <source>Ctrl + 0</source>
        <translation>Ctrl + 0</translation>
    </message>
    <message>
        <source>Choose one of my sessions</source>
        <translation>Elegir una de mis sesiones</translation>
    </message>
    <message>
        <source>Alt + M (on the issue list)</source>
        <translation>Alt + M (en la lista de temas)</translation>
    </message>
    <message>
        <source>Manage my sessions</source>
        <translation>Gestionar mis sesiones</translation>
    </message>
    <message>
        <source>Alt + G (on the issue list)</source>
        <translation>Alt + G (en la lista de temas)</translation>
    </message>
</context>
<context>
    <name>mindrova::frmVoice</name>
    <message>
        <source>Breathe slowly and gently tap the indicated points. This is how your guidance will sound.</source>
        <translation>Respira despacio y da golpecitos suaves en los puntos indicados. Así sonará tu guía.</translation>
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
        <source>Voice</source>
        <translation>Voz</translation>
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
