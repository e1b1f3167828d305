<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutTexts</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2 %3</source>
        <translation>Version %1.%2 %3</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Compilation %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Copying, reproducing or distributing it, in whole or in part, without the written permission of %1 is not allowed and may be prosecuted to the full extent of the law.</source>
        <translation>Avertissement&#xa0;: ce programme est protégé par le droit d&apos;auteur. Toute copie, reproduction ou diffusion, totale ou partielle, sans l&apos;autorisation écrite de %1 est interdite et peut faire l&apos;objet de poursuites dans toute la mesure permise par la loi.</translation>
    </message>
    <message>
        <source>Designed and developed by the %1 team.</source>
        <translation>Conçu et développé par l&apos;équipe de %1.</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Point %1 of %2: %3.</source>
        <translation>Point %1 sur %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Point %1 of %2: %3. Say: %4</source>
        <translation>Point %1 sur %2&#xa0;: %3. Dis&#xa0;: %4</translation>
    </message>
    <message>
        <source>Step: %1, %2</source>
        <translation>Étape&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>Step: %1</source>
        <translation>Étape&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Issues</name>
    <message>
        <source>Even though I have this addiction (obsession) [your problem here]  I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai cette dépendance (cette obsession) [ton sujet ici], je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this addiction, %1, I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai cette dépendance, %1, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this anxiety (fear, panic, phobia) I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai cette anxiété (cette peur, cette panique, cette phobie), je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this anxiety, %1, I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai cette anxiété, %1, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this depression I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai cette dépression, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this depression, %1, I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai cette dépression, %1, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this headache I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai ce mal de tête, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this headache, %1, I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai ce mal de tête, %1, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this negative memory [your problem here] I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai ce souvenir négatif [ton sujet ici], je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this negative memory, %1, I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai ce souvenir négatif, %1, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I was exposed to this traumatic event [your trauma here] I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai vécu cet événement traumatisant [ton traumatisme ici], je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I was exposed to this traumatic event, %1, I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai vécu cet événement traumatisant, %1, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this fear of public speaking I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai cette peur de parler en public, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this fear of public speaking, %1, I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai cette peur de parler en public, %1, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this anger [your problem here] I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai cette colère [ton sujet ici], je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this anger, %1, I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai cette colère, %1, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have so low self esteem I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai une si faible estime de moi, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have so low self esteem, %1, I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai une si faible estime de moi, %1, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this trauma [your problem here] I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai ce traumatisme [ton sujet ici], je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this trauma, %1, I love and accept myself with all my heart.</source>
        <translation>Même si j&apos;ai ce traumatisme, %1, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this guilt I love and accept myself with all my heart.</source>
        <translation>Même si je porte cette culpabilité, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though I have this guilt, %1, I love and accept myself with all my heart.</source>
        <translation>Même si je porte cette culpabilité, %1, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though ... [your problem here] I love and accept myself with all my heart.</source>
        <translation>Même si ... [ton sujet ici], je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Even though ... %1, I love and accept myself with all my heart.</source>
        <translation>Même si ... %1, je m&apos;aime et je m&apos;accepte de tout mon cœur.</translation>
    </message>
    <message>
        <source>Relax your shoulders. They shouldn&apos;t move when breathing.</source>
        <translation>Détends tes épaules. Elles ne devraient pas bouger quand tu respires.</translation>
    </message>
    <message>
        <source>Relax muscles of your face. Relax your jaw.</source>
        <translation>Détends les muscles de ton visage. Relâche ta mâchoire.</translation>
    </message>
    <message>
        <source>Breath deeply and lightly tap with the index finger and middle finger a &apos;karate chop&apos; point, repeating the introduction sentence:</source>
        <translation>Respire profondément et tapote doucement le point karaté avec l&apos;index et le majeur, en répétant la phrase de préparation&#xa0;:</translation>
    </message>
    <message>
        <source>Headaches are the number one reason we visit our doctors.</source>
        <translation>Les maux de tête sont la première raison pour laquelle nous consultons un médecin.</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Addiction or obsession</source>
        <translation>Dépendance ou obsession</translation>
    </message>
    <message>
        <source>Anxiety, fear, panic, phobia</source>
        <translation>Anxiété, peur, panique, phobie</translation>
    </message>
    <message>
        <source>Depression</source>
        <translation>Dépression</translation>
    </message>
    <message>
        <source>Headaches</source>
        <translation>Maux de tête</translation>
    </message>
    <message>
        <source>Negative memory</source>
        <translation>Souvenir négatif</translation>
    </message>
    <message>
        <source>PTSD</source>
        <translation>TSPT</translation>
    </message>
    <message>
        <source>Public Speaking</source>
        <translation>Parler en public</translation>
    </message>
    <message>
        <source>Rage or anger</source>
        <translation>Rage ou colère</translation>
    </message>
    <message>
        <source>Self-esteem issues</source>
        <translation>Manque d&apos;estime de soi</translation>
    </message>
    <message>
        <source>Trauma</source>
        <translation>Traumatisme</translation>
    </message>
    <message>
        <source>Guilt</source>
        <translation>Culpabilité</translation>
    </message>
    <message>
        <source>PTSD, Trauma</source>
        <translation>TSPT, traumatisme</translation>
    </message>
    <message>
        <source>Even though</source>
        <comment>the words every set-up statement begins with</comment>
        <translation>Même si</translation>
    </message>
</context>
<context>
    <name>JournalServices</name>
    <message>
        <source>The journal window could not be opened (%1). Your journal is kept as it was.</source>
        <translation>La fenêtre du journal n&apos;a pas pu s&apos;ouvrir (%1). Ton journal reste tel quel.</translation>
    </message>
    <message>
        <source>Journal notice</source>
        <translation>Information sur le journal</translation>
    </message>
    <message>
        <source>Your choice could not be saved in the settings file, so the journal stays off and nothing is written to it.</source>
        <translation>Ton choix n&apos;a pas pu être enregistré dans le fichier de paramètres&#xa0;: le journal reste donc désactivé et rien n&apos;y est écrit.</translation>
    </message>
    <message>
        <source>Your journal is off: nothing more will be written to it now. Your choice could not be saved in the settings file, so the journal will be on again when Mindrova next starts.</source>
        <translation>Ton journal est désactivé&#xa0;: plus rien n&apos;y sera écrit pour l&apos;instant. Ton choix n&apos;a pas pu être enregistré dans le fichier de paramètres, donc le journal sera réactivé au prochain démarrage de Mindrova.</translation>
    </message>
    <message>
        <source>Your journal is off: nothing more will be written to it. Do you also want to delete the entries it keeps? This cannot be undone.</source>
        <translation>Ton journal est désactivé&#xa0;: plus rien n&apos;y sera écrit. Veux-tu aussi supprimer les entrées qu&apos;il contient&#xa0;? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>The copies kept aside because they could not be read are deleted with them: %1.</source>
        <translation>Les copies mises de côté parce qu&apos;elles étaient illisibles sont supprimées avec elles&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The journal could not be deleted. You can delete the files %1* yourself.</source>
        <translation>Le journal n&apos;a pas pu être supprimé. Tu peux supprimer toi-même les fichiers %1*.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>É&amp;craser</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>&amp;Garder les deux</translation>
    </message>
</context>
<context>
    <name>PersonalImport</name>
    <message>
        <source>%1 was not imported. %2</source>
        <translation>Le fichier %1 n&apos;a pas été importé. %2</translation>
    </message>
    <message>
        <source>%1 could not be imported (%2). Nothing has changed.</source>
        <translation>Le fichier %1 n&apos;a pas pu être importé (%2). Rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>“%1” was imported.</source>
        <translation>La séance «&#xa0;%1&#xa0;» a été importée.</translation>
    </message>
    <message>
        <source>“%1” is already one of your sessions.</source>
        <translation>«&#xa0;%1&#xa0;» fait déjà partie de tes séances.</translation>
    </message>
    <message>
        <source>Import a session</source>
        <translation>Importer une séance</translation>
    </message>
    <message>
        <source>You already have a session called “%1”. Replace it with the one in %2?</source>
        <translation>Tu as déjà une séance appelée «&#xa0;%1&#xa0;». La remplacer par celle de %2&#xa0;?</translation>
    </message>
    <message>
        <source>Nothing was imported; your session “%1” is unchanged.</source>
        <translation>Rien n&apos;a été importé&#xa0;; ta séance «&#xa0;%1&#xa0;» n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>“%1” was replaced by the imported one.</source>
        <translation>La séance «&#xa0;%1&#xa0;» a été remplacée par la séance importée.</translation>
    </message>
</context>
<context>
    <name>PersonalSession</name>
    <message>
        <source>There are %1 negative lines; a session has %2 to %3.</source>
        <translation>Il y a %1 phrases négatives&#xa0;; une séance en compte de %2 à %3.</translation>
    </message>
    <message>
        <source>The negative line %1 is empty.</source>
        <translation>La phrase négative %1 est vide.</translation>
    </message>
    <message>
        <source>The negative line %1 is longer than %2 characters.</source>
        <translation>La phrase négative %1 dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>The negative line %1 holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation>La phrase négative %1 contient un caractère de contrôle, un saut de ligne ou un caractère invisible qui masquerait du texte ou en inverserait le sens.</translation>
    </message>
    <message>
        <source>There are %1 positive lines; a session has %2 to %3.</source>
        <translation>Il y a %1 phrases positives&#xa0;; une séance en compte de %2 à %3.</translation>
    </message>
    <message>
        <source>The positive line %1 is empty.</source>
        <translation>La phrase positive %1 est vide.</translation>
    </message>
    <message>
        <source>The positive line %1 is longer than %2 characters.</source>
        <translation>La phrase positive %1 dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>The positive line %1 holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation>La phrase positive %1 contient un caractère de contrôle, un saut de ligne ou un caractère invisible qui masquerait du texte ou en inverserait le sens.</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>Le titre est vide.</translation>
    </message>
    <message>
        <source>The title %1 holds a / or a \, as a file path would.</source>
        <translation>Le titre %1 contient un / ou un \, comme un chemin de fichier.</translation>
    </message>
    <message>
        <source>The title is longer than %1 characters.</source>
        <translation>Le titre dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The title holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation>Le titre contient un caractère de contrôle, un saut de ligne ou un caractère invisible qui masquerait du texte ou en inverserait le sens.</translation>
    </message>
    <message>
        <source>The set-up statement is empty.</source>
        <translation>La phrase de préparation est vide.</translation>
    </message>
    <message>
        <source>The set-up statement is longer than %1 characters.</source>
        <translation>La phrase de préparation dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The set-up statement holds a control character, a line break or an invisible character that would hide text or turn it around.</source>
        <translation>La phrase de préparation contient un caractère de contrôle, un saut de ligne ou un caractère invisible qui masquerait du texte ou en inverserait le sens.</translation>
    </message>
    <message>
        <source>The seconds per point must be a whole number from %1 to %2.</source>
        <translation>Le nombre de secondes par point doit être un nombre entier de %1 à %2.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Le fichier n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>The file is not JSON text (%1 at byte %2).</source>
        <translation>Le fichier n&apos;est pas du texte JSON (%1 à l&apos;octet %2).</translation>
    </message>
    <message>
        <source>The file holds no session: its JSON is not an object.</source>
        <translation>Le fichier ne contient aucune séance&#xa0;: son JSON n&apos;est pas un objet.</translation>
    </message>
    <message>
        <source>The field %1 is missing.</source>
        <translation>Le champ %1 est manquant.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number.</source>
        <translation>Le champ %1 devrait être un nombre entier.</translation>
    </message>
    <message>
        <source>The file is written in format %1; this version of Mindrova reads format %2.</source>
        <translation>Le fichier est écrit au format %1&#xa0;; cette version de Mindrova lit le format %2.</translation>
    </message>
    <message>
        <source>The file holds a field %1 that this version of Mindrova does not know.</source>
        <translation>Le fichier contient un champ %1 que cette version de Mindrova ne connaît pas.</translation>
    </message>
    <message>
        <source>The field %1 should be text.</source>
        <translation>Le champ %1 devrait être du texte.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of lines of text.</source>
        <translation>Le champ %1 devrait être une liste de lignes de texte.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number from %2 to %3.</source>
        <translation>Le champ %1 devrait être un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>The field %1 should be %2 or %3.</source>
        <translation>Le champ %1 devrait valoir %2 ou %3.</translation>
    </message>
    <message>
        <source>The file is a link to another file; only files kept in the folder itself are read.</source>
        <translation>Le fichier est un lien vers un autre fichier&#xa0;; seuls les fichiers qui se trouvent dans le dossier lui-même sont lus.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file is larger than %1 KiB, more than a session ever needs.</source>
        <translation>Le fichier dépasse %1 Kio, bien plus que ce dont une séance a besoin.</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Le fichier n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The file could not be opened (%1).</source>
        <translation>Le fichier n&apos;a pas pu être ouvert (%1).</translation>
    </message>
</context>
<context>
    <name>PersonalStore</name>
    <message>
        <source>Its title “%1” is already the title of %2.</source>
        <translation>Son titre «&#xa0;%1&#xa0;» est déjà celui de %2.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>(PTSD)</source>
        <translation>(TSPT)</translation>
    </message>
    <message>
        <source>(Trauma)</source>
        <translation>(Traumatisme)</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positive</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négative</translation>
    </message>
    <message>
        <source>I cannot control myself.</source>
        <translation>Je n&apos;arrive pas à me contrôler.</translation>
    </message>
    <message>
        <source>The craving takes over and I give in again.</source>
        <translation>L&apos;envie prend le dessus et je cède encore.</translation>
    </message>
    <message>
        <source>I keep telling myself this is the last time.</source>
        <translation>Je me répète que c&apos;est la dernière fois.</translation>
    </message>
    <message>
        <source>My thoughts keep circling back to it.</source>
        <translation>Mes pensées y reviennent sans cesse.</translation>
    </message>
    <message>
        <source>I feel restless and tense when I go without it.</source>
        <translation>Sans ça, je suis sous tension et je ne tiens pas en place.</translation>
    </message>
    <message>
        <source>My chest tightens and my hands won&apos;t keep still.</source>
        <translation>Ma poitrine se serre et mes mains s&apos;agitent sans cesse.</translation>
    </message>
    <message>
        <source>I feel ashamed of how much it rules my days.</source>
        <translation>J&apos;ai honte de la place que ça prend dans mes journées.</translation>
    </message>
    <message>
        <source>I hide it from the people who care about me.</source>
        <translation>Je le cache aux personnes qui tiennent à moi.</translation>
    </message>
    <message>
        <source>I use it to numb what I don&apos;t want to feel.</source>
        <translation>Je m&apos;en sers pour étouffer ce que je ne veux pas ressentir.</translation>
    </message>
    <message>
        <source>Part of me wants to stop and part of me doesn&apos;t.</source>
        <translation>Une part de moi veut arrêter, une autre non.</translation>
    </message>
    <message>
        <source>I&apos;m afraid of who I am without it.</source>
        <translation>J&apos;ai peur de ce que je suis sans ça.</translation>
    </message>
    <message>
        <source>I feel weak and disappointed in myself.</source>
        <translation>Je me sens faible et je me déçois.</translation>
    </message>
    <message>
        <source>This habit feels stronger than my will.</source>
        <translation>Cette habitude a plus de force que ma volonté.</translation>
    </message>
    <message>
        <source>Pain is the source of my addiction; I release this pain now.</source>
        <translation>La douleur est à la source de ma dépendance&#xa0;; je libère cette douleur maintenant.</translation>
    </message>
    <message>
        <source>I notice the craving and I let it pass like a wave.</source>
        <translation>Je remarque l&apos;envie et je la laisse passer comme une vague.</translation>
    </message>
    <message>
        <source>I can feel an urge without acting on it.</source>
        <translation>Je peux ressentir une envie sans y céder.</translation>
    </message>
    <message>
        <source>I breathe into the tension and let my body settle.</source>
        <translation>J&apos;envoie mon souffle vers la tension et je laisse mon corps se poser.</translation>
    </message>
    <message>
        <source>I forgive myself for every time I gave in.</source>
        <translation>Je me pardonne toutes les fois où j&apos;ai cédé.</translation>
    </message>
    <message>
        <source>I am more than this habit.</source>
        <translation>Je suis bien plus que cette habitude.</translation>
    </message>
    <message>
        <source>I meet my hurt with kindness instead of hiding it.</source>
        <translation>J&apos;accueille ma peine avec douceur au lieu de la cacher.</translation>
    </message>
    <message>
        <source>I choose what is good for me, one&#xa0;moment&#xa0;at a time.</source>
        <translation>Je choisis ce qui me fait du bien, un instant après l&apos;autre.</translation>
    </message>
    <message>
        <source>I give myself what I really need: rest, comfort and care.</source>
        <translation>Je m&apos;offre ce dont j&apos;ai vraiment besoin&#xa0;: du repos, du réconfort et de la douceur.</translation>
    </message>
    <message>
        <source>I am allowed to ask for help.</source>
        <translation>J&apos;ai le droit de demander de l&apos;aide.</translation>
    </message>
    <message>
        <source>Each small choice I make counts.</source>
        <translation>Chacun de mes petits choix compte.</translation>
    </message>
    <message>
        <source>My mind can rest on other things.</source>
        <translation>Mon esprit peut se poser sur autre chose.</translation>
    </message>
    <message>
        <source>I am patient with myself when it is hard.</source>
        <translation>Quand c&apos;est difficile, je m&apos;accorde de la patience.</translation>
    </message>
    <message>
        <source>I am learning to live without leaning on it.</source>
        <translation>J&apos;apprends à vivre sans m&apos;appuyer dessus.</translation>
    </message>
    <message>
        <source>I trust that I can get through this day.</source>
        <translation>J&apos;ai confiance&#xa0;: je peux traverser cette journée.</translation>
    </message>
    <message>
        <source>I deserve a free and peaceful life.</source>
        <translation>Je mérite une vie libre et paisible.</translation>
    </message>
    <message>
        <source>I cannot calm myself down.</source>
        <translation>Je n&apos;arrive pas à me calmer.</translation>
    </message>
    <message>
        <source>My heart is racing and I can&apos;t catch my breath.</source>
        <translation>Mon cœur s&apos;emballe et je n&apos;arrive pas à reprendre mon souffle.</translation>
    </message>
    <message>
        <source>My chest feels tight and my hands are shaking.</source>
        <translation>Ma poitrine est serrée et mes mains tremblent.</translation>
    </message>
    <message>
        <source>I feel dizzy and I&apos;m afraid I will lose control.</source>
        <translation>J&apos;ai la tête qui tourne et j&apos;ai peur de perdre le contrôle.</translation>
    </message>
    <message>
        <source>I keep waiting for something bad to happen.</source>
        <translation>J&apos;attends sans cesse qu&apos;il arrive quelque chose de grave.</translation>
    </message>
    <message>
        <source>My mind jumps from one worry to the next.</source>
        <translation>Mon esprit saute d&apos;une inquiétude à l&apos;autre.</translation>
    </message>
    <message>
        <source>I sense danger everywhere, even when I am safe.</source>
        <translation>Je sens le danger partout, même quand je suis en sécurité.</translation>
    </message>
    <message>
        <source>I am scared of the fear itself.</source>
        <translation>J&apos;ai peur de la peur elle-même.</translation>
    </message>
    <message>
        <source>I avoid places and people because of this panic.</source>
        <translation>J&apos;évite des lieux et des gens à cause de cette panique.</translation>
    </message>
    <message>
        <source>My stomach is in knots.</source>
        <translation>J&apos;ai le ventre noué.</translation>
    </message>
    <message>
        <source>I can&apos;t sit still; I&apos;m on edge all the time.</source>
        <translation>Je ne tiens pas en place&#xa0;; j&apos;ai les nerfs à vif en permanence.</translation>
    </message>
    <message>
        <source>I feel trapped and I want to run away.</source>
        <translation>Je me sens sans issue et j&apos;ai envie de fuir.</translation>
    </message>
    <message>
        <source>What if it happens again?</source>
        <translation>Et si ça recommençait&#xa0;?</translation>
    </message>
    <message>
        <source>I&apos;m ashamed that I can&apos;t handle this.</source>
        <translation>J&apos;ai honte de ne pas y arriver.</translation>
    </message>
    <message>
        <source>This fear keeps me from living my life.</source>
        <translation>Cette peur m&apos;empêche de vivre ma vie.</translation>
    </message>
    <message>
        <source>I feel so tense and so alone with this.</source>
        <translation>Tout se crispe en moi, et je porte ça dans une telle solitude.</translation>
    </message>
    <message>
        <source>I breathe slowly, deeply and naturally. I remain calm.</source>
        <translation>Je respire lentement, profondément, naturellement. Je reste calme.</translation>
    </message>
    <message>
        <source>With every breath out my body lets go a little more.</source>
        <translation>À chaque expiration, mon corps se relâche un peu plus.</translation>
    </message>
    <message>
        <source>My heartbeat slows down and finds its own rhythm.</source>
        <translation>Mon cœur ralentit et retrouve son propre rythme.</translation>
    </message>
    <message>
        <source>My shoulders drop and my hands are still.</source>
        <translation>Mes épaules s&apos;abaissent et mes mains se posent.</translation>
    </message>
    <message>
        <source>I am safe in this moment.</source>
        <translation>En ce moment, je suis en sécurité.</translation>
    </message>
    <message>
        <source>I feel my feet on the ground.</source>
        <translation>Je sens mes pieds sur le sol.</translation>
    </message>
    <message>
        <source>Feelings come and go; this one will pass too.</source>
        <translation>Les émotions vont et viennent&#xa0;; celle-ci passera aussi.</translation>
    </message>
    <message>
        <source>I can notice my fear without obeying it.</source>
        <translation>Je peux remarquer ma peur sans lui obéir.</translation>
    </message>
    <message>
        <source>I am stronger than this fear.</source>
        <translation>J&apos;ai plus de force que cette peur.</translation>
    </message>
    <message>
        <source>I accept myself, even when I feel anxious.</source>
        <translation>Je m&apos;accepte, même quand l&apos;angoisse est là.</translation>
    </message>
    <message>
        <source>I give my mind permission to rest.</source>
        <translation>J&apos;autorise mon esprit à se reposer.</translation>
    </message>
    <message>
        <source>I take one small step at a time.</source>
        <translation>J&apos;avance un petit pas à la fois.</translation>
    </message>
    <message>
        <source>I can handle what comes my way.</source>
        <translation>Je peux faire face à ce qui vient.</translation>
    </message>
    <message>
        <source>I am kind to myself when I feel afraid.</source>
        <translation>Quand j&apos;ai peur, je me parle avec tendresse.</translation>
    </message>
    <message>
        <source>My thoughts slow down and become clear.</source>
        <translation>Mes pensées ralentissent et deviennent claires.</translation>
    </message>
    <message>
        <source>Peace and calm are growing inside me.</source>
        <translation>La paix et le calme grandissent en moi.</translation>
    </message>
    <message>
        <source>I feel awful. I don&apos;t feel safe and sound.</source>
        <translation>Je me sens très mal. Je ne me sens pas en sécurité.</translation>
    </message>
    <message>
        <source>Everything feels heavy and grey.</source>
        <translation>Tout me paraît gris et pesant.</translation>
    </message>
    <message>
        <source>I have no energy to get out of bed.</source>
        <translation>Je n&apos;ai pas la force de sortir du lit.</translation>
    </message>
    <message>
        <source>Nothing gives me joy anymore.</source>
        <translation>Plus rien ne me fait plaisir.</translation>
    </message>
    <message>
        <source>I feel empty inside.</source>
        <translation>Je me sens vide à l&apos;intérieur.</translation>
    </message>
    <message>
        <source>My body feels tired and slow.</source>
        <translation>Mon corps manque d&apos;énergie, tout est au ralenti.</translation>
    </message>
    <message>
        <source>It&apos;s hard to think clearly or make decisions.</source>
        <translation>J&apos;ai du mal à penser clairement ou à prendre des décisions.</translation>
    </message>
    <message>
        <source>I feel worthless and useless.</source>
        <translation>J&apos;ai l&apos;impression de ne rien valoir et d&apos;être inutile.</translation>
    </message>
    <message>
        <source>I keep blaming myself for everything.</source>
        <translation>Je me reproche tout, sans arrêt.</translation>
    </message>
    <message>
        <source>I don&apos;t want to see anyone.</source>
        <translation>Je ne veux voir personne.</translation>
    </message>
    <message>
        <source>I feel so alone, even with people around me.</source>
        <translation>Même au milieu des autres, la solitude me pèse.</translation>
    </message>
    <message>
        <source>I can&apos;t remember what it felt like to be happy.</source>
        <translation>J&apos;ai oublié ce que c&apos;était, le bonheur.</translation>
    </message>
    <message>
        <source>I cry for no reason, or I feel nothing at all.</source>
        <translation>Je pleure sans raison, ou je ne ressens plus rien.</translation>
    </message>
    <message>
        <source>The days drag on and all look the same.</source>
        <translation>Les jours traînent et se ressemblent tous.</translation>
    </message>
    <message>
        <source>I can&apos;t see a way out of this darkness.</source>
        <translation>Je ne vois pas comment sortir de cette obscurité.</translation>
    </message>
    <message>
        <source>I&apos;m tired of feeling this way.</source>
        <translation>J&apos;en ai assez de me sentir comme ça.</translation>
    </message>
    <message>
        <source>I love myself for who I am. I love myself unconditionally.</source>
        <translation>Je m&apos;aime pour qui je suis. Je m&apos;aime sans condition.</translation>
    </message>
    <message>
        <source>I accept how I feel right now, without judging myself.</source>
        <translation>J&apos;accepte ce que je ressens en ce moment, sans me juger.</translation>
    </message>
    <message>
        <source>It is okay to go slowly.</source>
        <translation>J&apos;ai le droit d&apos;avancer doucement.</translation>
    </message>
    <message>
        <source>I am gentle with myself today.</source>
        <translation>Aujourd&apos;hui, je me traite avec douceur.</translation>
    </message>
    <message>
        <source>I take one small step, and that is enough.</source>
        <translation>Je fais un petit pas, et cela suffit.</translation>
    </message>
    <message>
        <source>I notice the small good things around me.</source>
        <translation>Je remarque les petites choses agréables autour de moi.</translation>
    </message>
    <message>
        <source>I let a little light back into my life.</source>
        <translation>Je laisse revenir un peu de lumière dans ma vie.</translation>
    </message>
    <message>
        <source>My feelings are real, and they can change.</source>
        <translation>Mes émotions sont réelles, et elles peuvent changer.</translation>
    </message>
    <message>
        <source>I allow myself to rest without guilt.</source>
        <translation>Je m&apos;autorise à me reposer sans culpabiliser.</translation>
    </message>
    <message>
        <source>I reach out to people who care about me.</source>
        <translation>Je me tourne vers les personnes qui tiennent à moi.</translation>
    </message>
    <message>
        <source>I deserve kindness, especially from myself.</source>
        <translation>Je mérite de la bienveillance, surtout de ma part.</translation>
    </message>
    <message>
        <source>I am worthy of love and care.</source>
        <translation>Je suis digne d&apos;amour et d&apos;attention.</translation>
    </message>
    <message>
        <source>I breathe in hope and breathe out heaviness.</source>
        <translation>J&apos;inspire l&apos;espoir et j&apos;expire la lourdeur.</translation>
    </message>
    <message>
        <source>I am more than this feeling.</source>
        <translation>Je suis bien plus que ce que je ressens.</translation>
    </message>
    <message>
        <source>Every day I find a little more strength.</source>
        <translation>Chaque jour, je trouve un peu plus de force.</translation>
    </message>
    <message>
        <source>I open myself to joy again.</source>
        <translation>Je m&apos;ouvre de nouveau à la joie.</translation>
    </message>
    <message>
        <source>I cannot relax beause of this terrible headache.</source>
        <translation>Je n&apos;arrive pas à me détendre à cause de ce terrible mal de tête.</translation>
    </message>
    <message>
        <source>My head is pounding.</source>
        <translation>J&apos;ai la tête qui cogne.</translation>
    </message>
    <message>
        <source>There is pressure behind my eyes.</source>
        <translation>Je sens une pression derrière les yeux.</translation>
    </message>
    <message>
        <source>My temples are throbbing.</source>
        <translation>Mes tempes palpitent.</translation>
    </message>
    <message>
        <source>My neck and shoulders are stiff and tight.</source>
        <translation>Ma nuque et mes épaules sont raides et crispées.</translation>
    </message>
    <message>
        <source>My jaw is clenched.</source>
        <translation>Ma mâchoire est serrée.</translation>
    </message>
    <message>
        <source>Light and noise bother me.</source>
        <translation>La lumière et le bruit me dérangent.</translation>
    </message>
    <message>
        <source>I can&apos;t think straight with this pain.</source>
        <translation>Avec cette douleur, je n&apos;arrive pas à penser clairement.</translation>
    </message>
    <message>
        <source>I&apos;m tired of this pain coming back.</source>
        <translation>J&apos;en ai assez que cette douleur revienne.</translation>
    </message>
    <message>
        <source>I&apos;m afraid it will get worse.</source>
        <translation>J&apos;ai peur que ça empire.</translation>
    </message>
    <message>
        <source>I feel irritable and impatient.</source>
        <translation>Je suis irritable et je manque de patience.</translation>
    </message>
    <message>
        <source>I can&apos;t get anything done.</source>
        <translation>Je n&apos;arrive à rien faire.</translation>
    </message>
    <message>
        <source>I carry so much tension in my head.</source>
        <translation>Je porte tant de tension dans ma tête.</translation>
    </message>
    <message>
        <source>I&apos;m worried about everything I have to do.</source>
        <translation>Je me fais du souci pour tout ce que j&apos;ai à faire.</translation>
    </message>
    <message>
        <source>I just want this pain to stop.</source>
        <translation>Je veux juste que cette douleur s&apos;arrête.</translation>
    </message>
    <message>
        <source>I&apos;m good. I&apos;m worthy. I&apos;m safe.</source>
        <translation>Je vais bien. J&apos;ai de la valeur. Je suis en sécurité.</translation>
    </message>
    <message>
        <source>I let my forehead soften.</source>
        <translation>Je laisse mon front se détendre.</translation>
    </message>
    <message>
        <source>I relax the muscles around my eyes.</source>
        <translation>Je détends les muscles autour de mes yeux.</translation>
    </message>
    <message>
        <source>I unclench my jaw and let it hang loose.</source>
        <translation>Je desserre la mâchoire et je la laisse se relâcher.</translation>
    </message>
    <message>
        <source>My neck and shoulders let go of their tension.</source>
        <translation>Ma nuque et mes épaules relâchent leur tension.</translation>
    </message>
    <message>
        <source>I breathe slowly and let my body rest.</source>
        <translation>Je respire lentement et je laisse mon corps se reposer.</translation>
    </message>
    <message>
        <source>I give myself permission to slow down.</source>
        <translation>Je m&apos;autorise à ralentir.</translation>
    </message>
    <message>
        <source>I don&apos;t have to do everything at once.</source>
        <translation>Je n&apos;ai pas à tout faire en même temps.</translation>
    </message>
    <message>
        <source>I let go of the pressure I put on myself.</source>
        <translation>Je lâche la pression que je me mets.</translation>
    </message>
    <message>
        <source>I accept this moment as it is.</source>
        <translation>J&apos;accepte ce moment tel qu&apos;il est.</translation>
    </message>
    <message>
        <source>I listen to what my body needs.</source>
        <translation>J&apos;écoute ce dont mon corps a besoin.</translation>
    </message>
    <message>
        <source>I allow myself to rest in a quiet place.</source>
        <translation>Je m&apos;autorise à me reposer dans un endroit calme.</translation>
    </message>
    <message>
        <source>My breath flows gently through my whole body.</source>
        <translation>Mon souffle circule doucement dans tout mon corps.</translation>
    </message>
    <message>
        <source>I release the worries I have been holding.</source>
        <translation>Je laisse partir les soucis que je retenais.</translation>
    </message>
    <message>
        <source>I am calm and patient with myself.</source>
        <translation>Je suis calme et j&apos;ai de la patience envers moi.</translation>
    </message>
    <message>
        <source>I feel lighter and more at ease.</source>
        <translation>Tout s&apos;allège et je me sens plus à l&apos;aise.</translation>
    </message>
    <message>
        <source>I cannot deal with my past...</source>
        <translation>Je n&apos;arrive pas à faire face à mon passé...</translation>
    </message>
    <message>
        <source>I&apos;m struggling to live with this...</source>
        <translation>J&apos;ai du mal à vivre avec ça...</translation>
    </message>
    <message>
        <source>I cannot do anything about this...</source>
        <translation>Je ne peux rien y faire...</translation>
    </message>
    <message>
        <source>I cannot accept what happened...</source>
        <translation>Je n&apos;arrive pas à accepter ce qui s&apos;est passé...</translation>
    </message>
    <message>
        <source>I am paralyzed with shame and fear...</source>
        <translation>La honte et la peur me paralysent...</translation>
    </message>
    <message>
        <source>The burden is so heavy...</source>
        <translation>Le fardeau est si lourd...</translation>
    </message>
    <message>
        <source>I have no peace...</source>
        <translation>Je ne trouve pas la paix...</translation>
    </message>
    <message>
        <source>I cannot move on from the past...</source>
        <translation>Je n&apos;arrive pas à tourner la page...</translation>
    </message>
    <message>
        <source>I cannot let go of this...</source>
        <translation>Je n&apos;arrive pas à lâcher ça...</translation>
    </message>
    <message>
        <source>I cannot accept my shame...</source>
        <translation>Je n&apos;arrive pas à accepter ma honte...</translation>
    </message>
    <message>
        <source>I cannot release this.</source>
        <translation>Je n&apos;arrive pas à m&apos;en libérer.</translation>
    </message>
    <message>
        <source>How to resolve this?</source>
        <translation>Comment m&apos;en sortir&#xa0;?</translation>
    </message>
    <message>
        <source>I don&apos;t feel safe. I keep running away from my past.</source>
        <translation>Je ne me sens pas en sécurité. Je fuis sans cesse mon passé.</translation>
    </message>
    <message>
        <source>It seems that I cannot do anything about this and it&apos;s so depressing.</source>
        <translation>On dirait que je n&apos;y peux rien, et c&apos;est tellement déprimant.</translation>
    </message>
    <message>
        <source>This negative memory... It hurts so much...</source>
        <translation>Ce souvenir négatif... Il fait si mal...</translation>
    </message>
    <message>
        <source>I can&apos;t let go of this negative memory...</source>
        <translation>Je n&apos;arrive pas à lâcher ce souvenir négatif...</translation>
    </message>
    <message>
        <source>I am emotionally detached from what happened.</source>
        <translation>Je prends de la distance avec ce qui s&apos;est passé.</translation>
    </message>
    <message>
        <source>I look at this as if it happened to someone else.</source>
        <translation>Je regarde ça comme si c&apos;était arrivé à quelqu&apos;un d&apos;autre.</translation>
    </message>
    <message>
        <source>I am strong enough to deal with this negative memory.</source>
        <translation>J&apos;ai assez de force pour faire face à ce souvenir négatif.</translation>
    </message>
    <message>
        <source>I make peace with my past.</source>
        <translation>Je fais la paix avec mon passé.</translation>
    </message>
    <message>
        <source>My past has no power over me.</source>
        <translation>Mon passé n&apos;a aucun pouvoir sur moi.</translation>
    </message>
    <message>
        <source>I finally resolved this. I am liberated.</source>
        <translation>J&apos;ai enfin dépassé ça. Je suis libre.</translation>
    </message>
    <message>
        <source>I am calm.</source>
        <translation>Je suis calme.</translation>
    </message>
    <message>
        <source>This memory has no longer the power to paralyze me.</source>
        <translation>Ce souvenir n&apos;a plus le pouvoir de me paralyser.</translation>
    </message>
    <message>
        <source>I am in control.</source>
        <translation>Je garde la maîtrise.</translation>
    </message>
    <message>
        <source>I am letting go of this negative memory.</source>
        <translation>Je laisse partir ce souvenir négatif.</translation>
    </message>
    <message>
        <source>I am moving on with my life.</source>
        <translation>J&apos;avance dans ma vie.</translation>
    </message>
    <message>
        <source>I let go of my past.</source>
        <translation>Je laisse mon passé derrière moi.</translation>
    </message>
    <message>
        <source>I have learned from my past.</source>
        <translation>J&apos;ai appris de mon passé.</translation>
    </message>
    <message>
        <source>I allow myself to be happy again.</source>
        <translation>Je m&apos;autorise à retrouver le bonheur.</translation>
    </message>
    <message>
        <source>I reclaimed my life.</source>
        <translation>J&apos;ai repris ma vie en main.</translation>
    </message>
    <message>
        <source>I am so proud of myself.</source>
        <translation>Je ressens une immense fierté.</translation>
    </message>
    <message>
        <source>I freeze in front of the audience.</source>
        <translation>Je me fige devant le public.</translation>
    </message>
    <message>
        <source>My mind goes blank when everyone looks at me.</source>
        <translation>J&apos;ai un trou noir quand tout le monde me regarde.</translation>
    </message>
    <message>
        <source>My voice shakes and my mouth goes dry.</source>
        <translation>Ma voix tremble et j&apos;ai la bouche sèche.</translation>
    </message>
    <message>
        <source>My heart pounds and my face turns red.</source>
        <translation>Mon cœur bat à tout rompre et je deviens rouge.</translation>
    </message>
    <message>
        <source>My hands tremble and I don&apos;t know where to put them.</source>
        <translation>Mes mains tremblent et je ne sais pas quoi en faire.</translation>
    </message>
    <message>
        <source>I&apos;m afraid I&apos;ll forget what I wanted to say.</source>
        <translation>J&apos;ai peur d&apos;oublier ce que je voulais dire.</translation>
    </message>
    <message>
        <source>I&apos;m sure they will judge me.</source>
        <translation>J&apos;ai la certitude qu&apos;on va me juger.</translation>
    </message>
    <message>
        <source>I&apos;m afraid of looking foolish.</source>
        <translation>J&apos;ai peur d&apos;avoir l&apos;air ridicule.</translation>
    </message>
    <message>
        <source>I dread speaking for days beforehand.</source>
        <translation>Des jours à l&apos;avance, j&apos;appréhende de prendre la parole.</translation>
    </message>
    <message>
        <source>I feel like everyone can see how nervous I am.</source>
        <translation>J&apos;ai l&apos;impression que tout le monde voit ma nervosité.</translation>
    </message>
    <message>
        <source>I&apos;d rather stay silent than speak up.</source>
        <translation>Je préfère me taire plutôt que de prendre la parole.</translation>
    </message>
    <message>
        <source>I think I am not good enough to speak in public.</source>
        <translation>Je pense que je n&apos;ai pas le niveau pour parler en public.</translation>
    </message>
    <message>
        <source>I&apos;m afraid of making mistakes.</source>
        <translation>J&apos;ai peur de me tromper.</translation>
    </message>
    <message>
        <source>I rush through my words just to get it over with.</source>
        <translation>Je parle trop vite, juste pour en finir.</translation>
    </message>
    <message>
        <source>I feel exposed and vulnerable in front of people.</source>
        <translation>Devant les gens, je me sens à découvert et vulnérable.</translation>
    </message>
    <message>
        <source>This fear holds me back at work and in life.</source>
        <translation>Cette peur me freine au travail et dans la vie.</translation>
    </message>
    <message>
        <source>Meaning what I say is at the heart of my presentation.</source>
        <translation>Penser ce que je dis est au cœur de ma présentation.</translation>
    </message>
    <message>
        <source>I have something worth sharing.</source>
        <translation>J&apos;ai quelque chose qui mérite d&apos;être partagé.</translation>
    </message>
    <message>
        <source>I breathe deeply before I begin.</source>
        <translation>Je respire profondément avant de commencer.</translation>
    </message>
    <message>
        <source>My feet are firmly on the ground.</source>
        <translation>Mes pieds sont bien ancrés dans le sol.</translation>
    </message>
    <message>
        <source>I speak slowly and clearly.</source>
        <translation>Je parle lentement et clairement.</translation>
    </message>
    <message>
        <source>My voice is steady and warm.</source>
        <translation>Ma voix est posée et chaleureuse.</translation>
    </message>
    <message>
        <source>The audience wants me to do well.</source>
        <translation>Le public souhaite que je réussisse.</translation>
    </message>
    <message>
        <source>I see friendly faces in the room.</source>
        <translation>Je vois des visages bienveillants dans la salle.</translation>
    </message>
    <message>
        <source>It is okay to pause and gather my thoughts.</source>
        <translation>J&apos;ai le droit de faire une pause pour rassembler mes idées.</translation>
    </message>
    <message>
        <source>A small mistake does not matter; I simply go on.</source>
        <translation>Une petite erreur n&apos;a pas d&apos;importance&#xa0;; je continue, tout simplement.</translation>
    </message>
    <message>
        <source>I prepare well and I trust my preparation.</source>
        <translation>Je me prépare bien et je fais confiance à ma préparation.</translation>
    </message>
    <message>
        <source>My nervous energy turns into enthusiasm.</source>
        <translation>Ma nervosité se transforme en enthousiasme.</translation>
    </message>
    <message>
        <source>I am myself when I speak.</source>
        <translation>Quand je parle, je reste moi-même.</translation>
    </message>
    <message>
        <source>I accept a little nervousness as natural.</source>
        <translation>J&apos;accepte un peu de trac, c&apos;est naturel.</translation>
    </message>
    <message>
        <source>I enjoy connecting with people through my words.</source>
        <translation>J&apos;aime créer du lien avec les gens par mes paroles.</translation>
    </message>
    <message>
        <source>I am calm and confident in front of others.</source>
        <translation>Devant les autres, je suis calme et j&apos;ai confiance en moi.</translation>
    </message>
    <message>
        <source>So much anger...</source>
        <translation>Tant de colère...</translation>
    </message>
    <message>
        <source>I feel the heat rising in my face.</source>
        <translation>Je sens la chaleur me monter au visage.</translation>
    </message>
    <message>
        <source>My jaw is tight and my fists are clenched.</source>
        <translation>Ma mâchoire se crispe et je serre les poings.</translation>
    </message>
    <message>
        <source>My heart races and my breath gets short.</source>
        <translation>Mon cœur s&apos;emballe et j&apos;ai le souffle court.</translation>
    </message>
    <message>
        <source>I explode before I can stop myself.</source>
        <translation>J&apos;explose avant de pouvoir me retenir.</translation>
    </message>
    <message>
        <source>I say things I regret later.</source>
        <translation>Je dis des choses que je regrette ensuite.</translation>
    </message>
    <message>
        <source>I can&apos;t stop replaying what they did.</source>
        <translation>Je ressasse sans arrêt ce qu&apos;on m&apos;a fait.</translation>
    </message>
    <message>
        <source>I feel treated unfairly.</source>
        <translation>On me traite injustement.</translation>
    </message>
    <message>
        <source>Nobody listens to me.</source>
        <translation>Personne ne m&apos;écoute.</translation>
    </message>
    <message>
        <source>Small things set me off.</source>
        <translation>Un rien me fait exploser.</translation>
    </message>
    <message>
        <source>I&apos;m angry at them and angry at myself.</source>
        <translation>Je suis en colère contre les autres et contre moi.</translation>
    </message>
    <message>
        <source>I feel hurt under all this anger.</source>
        <translation>Sous toute cette colère, il y a une blessure.</translation>
    </message>
    <message>
        <source>This anger pushes away the people I love.</source>
        <translation>Cette colère éloigne les personnes que j&apos;aime.</translation>
    </message>
    <message>
        <source>I&apos;m afraid of losing control.</source>
        <translation>J&apos;ai peur de perdre le contrôle.</translation>
    </message>
    <message>
        <source>My whole body is tense and ready to fight.</source>
        <translation>Tout mon corps se crispe et se prépare au combat.</translation>
    </message>
    <message>
        <source>I can&apos;t let this go.</source>
        <translation>Je n&apos;arrive pas à passer à autre chose.</translation>
    </message>
    <message>
        <source>My mind is clear and open.</source>
        <translation>Mon esprit s&apos;éclaircit et s&apos;ouvre.</translation>
    </message>
    <message>
        <source>I take a deep breath before I respond.</source>
        <translation>Je respire profondément avant de répondre.</translation>
    </message>
    <message>
        <source>I let the heat in my body cool down.</source>
        <translation>Je laisse retomber la chaleur dans mon corps.</translation>
    </message>
    <message>
        <source>I unclench my fists and relax my jaw.</source>
        <translation>Je desserre les poings et je détends ma mâchoire.</translation>
    </message>
    <message>
        <source>My anger tells me that something matters to me.</source>
        <translation>Ma colère me dit que quelque chose compte pour moi.</translation>
    </message>
    <message>
        <source>I listen to my anger without letting it rule me.</source>
        <translation>J&apos;écoute ma colère sans la laisser me diriger.</translation>
    </message>
    <message>
        <source>I can express my needs calmly and firmly.</source>
        <translation>Je peux exprimer mes besoins avec calme et fermeté.</translation>
    </message>
    <message>
        <source>I choose how I respond.</source>
        <translation>Je choisis ma façon de réagir.</translation>
    </message>
    <message>
        <source>I acknowledge the hurt beneath my anger.</source>
        <translation>Je reconnais la blessure sous ma colère.</translation>
    </message>
    <message>
        <source>I forgive myself for past outbursts.</source>
        <translation>Je me pardonne mes emportements passés.</translation>
    </message>
    <message>
        <source>I let go of what I cannot change.</source>
        <translation>Je lâche ce que je ne peux pas changer.</translation>
    </message>
    <message>
        <source>I give others the patience I want for myself.</source>
        <translation>J&apos;offre aux autres la patience que je souhaite pour moi.</translation>
    </message>
    <message>
        <source>I have a right to my feelings, and I handle them with care.</source>
        <translation>J&apos;ai le droit de ressentir ce que je ressens, et j&apos;en prends soin.</translation>
    </message>
    <message>
        <source>Peace is stronger than rage.</source>
        <translation>La paix est plus forte que la rage.</translation>
    </message>
    <message>
        <source>I feel calm, steady and in control.</source>
        <translation>Je me sens calme, stable, et je garde la maîtrise.</translation>
    </message>
    <message>
        <source>I release this anger now.</source>
        <translation>Je libère cette colère maintenant.</translation>
    </message>
    <message>
        <source>I am worried when someone disagrees with me.</source>
        <translation>Je me fais du souci quand quelqu&apos;un n&apos;est pas d&apos;accord avec moi.</translation>
    </message>
    <message>
        <source>I feel I&apos;m not good enough.</source>
        <translation>J&apos;ai l&apos;impression de ne pas être à la hauteur.</translation>
    </message>
    <message>
        <source>I compare myself to others and always lose.</source>
        <translation>Je me compare aux autres et je perds toujours.</translation>
    </message>
    <message>
        <source>I can&apos;t accept a compliment.</source>
        <translation>Je n&apos;arrive pas à accepter un compliment.</translation>
    </message>
    <message>
        <source>I&apos;m afraid people will find out who I really am.</source>
        <translation>J&apos;ai peur qu&apos;on découvre qui je suis vraiment.</translation>
    </message>
    <message>
        <source>I put everyone else&apos;s needs before mine.</source>
        <translation>Je fais passer les besoins des autres avant les miens.</translation>
    </message>
    <message>
        <source>I can&apos;t say no.</source>
        <translation>Je n&apos;arrive pas à dire non.</translation>
    </message>
    <message>
        <source>I criticize myself all the time.</source>
        <translation>Je me critique sans arrêt.</translation>
    </message>
    <message>
        <source>My mistakes prove that I&apos;m a failure.</source>
        <translation>Mes erreurs prouvent que je rate tout.</translation>
    </message>
    <message>
        <source>I don&apos;t deserve to be happy.</source>
        <translation>Je ne mérite pas le bonheur.</translation>
    </message>
    <message>
        <source>I feel invisible.</source>
        <translation>Je me sens invisible.</translation>
    </message>
    <message>
        <source>I need others&apos; approval to feel okay.</source>
        <translation>J&apos;ai besoin de l&apos;approbation des autres pour me sentir bien.</translation>
    </message>
    <message>
        <source>I don&apos;t trust my own decisions.</source>
        <translation>Je ne fais pas confiance à mes propres décisions.</translation>
    </message>
    <message>
        <source>I shrink back and keep my opinions to myself.</source>
        <translation>Je m&apos;efface et je garde mes opinions pour moi.</translation>
    </message>
    <message>
        <source>I&apos;m ashamed of myself.</source>
        <translation>J&apos;ai honte de moi.</translation>
    </message>
    <message>
        <source>I don&apos;t like the person I see in the mirror.</source>
        <translation>Je n&apos;aime pas la personne que je vois dans le miroir.</translation>
    </message>
    <message>
        <source>I live a life that is true to my own values.</source>
        <translation>Je vis une vie fidèle à mes propres valeurs.</translation>
    </message>
    <message>
        <source>I am enough just as I am.</source>
        <translation>Ce que je suis suffit, tout simplement.</translation>
    </message>
    <message>
        <source>My worth does not depend on anyone&apos;s approval.</source>
        <translation>Ma valeur ne dépend de l&apos;approbation de personne.</translation>
    </message>
    <message>
        <source>I accept compliments with a simple thank you.</source>
        <translation>J&apos;accepte les compliments d&apos;un simple merci.</translation>
    </message>
    <message>
        <source>I can disagree with someone and still feel secure.</source>
        <translation>Je peux être en désaccord avec quelqu&apos;un et rester en confiance.</translation>
    </message>
    <message>
        <source>My opinions matter.</source>
        <translation>Mes opinions comptent.</translation>
    </message>
    <message>
        <source>I have the right to say no.</source>
        <translation>J&apos;ai le droit de dire non.</translation>
    </message>
    <message>
        <source>I speak to myself with kindness.</source>
        <translation>Je me parle avec bienveillance.</translation>
    </message>
    <message>
        <source>My mistakes help me learn and grow.</source>
        <translation>Mes erreurs m&apos;aident à apprendre et à grandir.</translation>
    </message>
    <message>
        <source>I deserve love and respect.</source>
        <translation>Je mérite l&apos;amour et le respect.</translation>
    </message>
    <message>
        <source>I trust my own judgement.</source>
        <translation>Je fais confiance à mon jugement.</translation>
    </message>
    <message>
        <source>I honour my own needs.</source>
        <translation>Je respecte mes propres besoins.</translation>
    </message>
    <message>
        <source>I celebrate my strengths.</source>
        <translation>Je célèbre mes forces.</translation>
    </message>
    <message>
        <source>I have my own place in this world.</source>
        <translation>J&apos;ai ma place dans ce monde.</translation>
    </message>
    <message>
        <source>I am proud of who I am becoming.</source>
        <translation>Je ressens de la fierté pour la personne que je deviens.</translation>
    </message>
    <message>
        <source>I like and respect myself.</source>
        <translation>Je m&apos;apprécie et je me respecte.</translation>
    </message>
    <message>
        <source>I feel so guilty. I had no right to do this.</source>
        <translation>Je me sens tellement coupable. Je n&apos;avais pas le droit de faire ça.</translation>
    </message>
    <message>
        <source>I keep thinking about what I did.</source>
        <translation>Je repense sans cesse à ce que j&apos;ai fait.</translation>
    </message>
    <message>
        <source>I can&apos;t forgive myself.</source>
        <translation>Je n&apos;arrive pas à me pardonner.</translation>
    </message>
    <message>
        <source>There is a heavy weight on my chest.</source>
        <translation>Un grand poids m&apos;écrase la poitrine.</translation>
    </message>
    <message>
        <source>My stomach turns when I remember it.</source>
        <translation>J&apos;ai l&apos;estomac qui se retourne quand j&apos;y repense.</translation>
    </message>
    <message>
        <source>I should have known better.</source>
        <translation>J&apos;aurais dû faire autrement.</translation>
    </message>
    <message>
        <source>I hurt someone and I can&apos;t undo it.</source>
        <translation>J&apos;ai fait du mal à quelqu&apos;un et je ne peux pas revenir en arrière.</translation>
    </message>
    <message>
        <source>I feel I deserve to suffer for this.</source>
        <translation>J&apos;ai l&apos;impression de mériter de souffrir pour ça.</translation>
    </message>
    <message>
        <source>I&apos;m ashamed to look people in the eye.</source>
        <translation>J&apos;ai honte de regarder les gens dans les yeux.</translation>
    </message>
    <message>
        <source>I replay it again and again in my head.</source>
        <translation>Je me le repasse encore et encore dans la tête.</translation>
    </message>
    <message>
        <source>I can&apos;t stop asking myself why I did it.</source>
        <translation>Je ne cesse de me demander pourquoi je l&apos;ai fait.</translation>
    </message>
    <message>
        <source>I feel like a bad person.</source>
        <translation>J&apos;ai l&apos;impression d&apos;être une mauvaise personne.</translation>
    </message>
    <message>
        <source>I don&apos;t deserve to feel good.</source>
        <translation>Je ne mérite pas de me sentir bien.</translation>
    </message>
    <message>
        <source>I carry this guilt everywhere I go.</source>
        <translation>Je porte cette culpabilité partout où je vais.</translation>
    </message>
    <message>
        <source>I&apos;m afraid I will never be free of it.</source>
        <translation>J&apos;ai peur de ne jamais m&apos;en libérer.</translation>
    </message>
    <message>
        <source>This guilt keeps me from moving on.</source>
        <translation>Cette culpabilité m&apos;empêche d&apos;avancer.</translation>
    </message>
    <message>
        <source>I take responsibility for what I&apos;ve done and for my life.</source>
        <translation>J&apos;assume ce que j&apos;ai fait et je prends ma vie en main.</translation>
    </message>
    <message>
        <source>I did the best I could with what I knew then.</source>
        <translation>J&apos;ai fait de mon mieux avec ce que je savais alors.</translation>
    </message>
    <message>
        <source>I have learned from this.</source>
        <translation>J&apos;en ai tiré des leçons.</translation>
    </message>
    <message>
        <source>I accept that I am human and I make mistakes.</source>
        <translation>J&apos;accepte de faire des erreurs, comme tout le monde.</translation>
    </message>
    <message>
        <source>I make amends where I can.</source>
        <translation>Je répare ce que je peux.</translation>
    </message>
    <message>
        <source>I let go of what cannot be undone.</source>
        <translation>Je laisse partir ce que je ne peux pas défaire.</translation>
    </message>
    <message>
        <source>I forgive myself.</source>
        <translation>Je me pardonne.</translation>
    </message>
    <message>
        <source>I release the weight from my chest.</source>
        <translation>Je libère ma poitrine de ce poids.</translation>
    </message>
    <message>
        <source>My mistake does not define who I am.</source>
        <translation>Mon erreur ne définit pas qui je suis.</translation>
    </message>
    <message>
        <source>I deserve compassion, even from myself.</source>
        <translation>Je mérite de la compassion, même de ma part.</translation>
    </message>
    <message>
        <source>I can hold my head up again.</source>
        <translation>Je peux de nouveau garder la tête haute.</translation>
    </message>
    <message>
        <source>I treat myself the way I would treat a friend.</source>
        <translation>Je me traite comme je traiterais quelqu&apos;un que j&apos;aime.</translation>
    </message>
    <message>
        <source>I choose to do better from now on.</source>
        <translation>Je choisis de faire mieux à partir de maintenant.</translation>
    </message>
    <message>
        <source>I allow myself to feel at peace.</source>
        <translation>Je m&apos;autorise à être en paix.</translation>
    </message>
    <message>
        <source>I deserve to feel good again.</source>
        <translation>Je mérite de me sentir bien à nouveau.</translation>
    </message>
    <message>
        <source>I am free to move on with my life.</source>
        <translation>Je suis libre d&apos;avancer dans ma vie.</translation>
    </message>
    <message>
        <source>I cannot stop thinking about what happened.</source>
        <translation>Je n&apos;arrive pas à arrêter de penser à ce qui s&apos;est passé.</translation>
    </message>
    <message>
        <source>It was so unpredictable... so uncontrollable...</source>
        <translation>C&apos;était si imprévisible... si incontrôlable...</translation>
    </message>
    <message>
        <source>It&apos;s so depressing... It is so immobilizing...</source>
        <translation>C&apos;est si déprimant... Ça me paralyse tellement...</translation>
    </message>
    <message>
        <source>So many things reminds me about this ...</source>
        <translation>Tant de choses me le rappellent...</translation>
    </message>
    <message>
        <source>I cannot concentrate... I feel so frightened...</source>
        <translation>Je n&apos;arrive pas à me concentrer... J&apos;ai si peur...</translation>
    </message>
    <message>
        <source>All this anxiety... all this shame...</source>
        <translation>Toute cette angoisse... toute cette honte...</translation>
    </message>
    <message>
        <source>I keep re-living it again and again...</source>
        <translation>Je le revis encore et encore...</translation>
    </message>
    <message>
        <source>Mistrust... Betrayal... It so sad...</source>
        <translation>Méfiance... Trahison... C&apos;est si triste...</translation>
    </message>
    <message>
        <source>All these memories... flashbacks... nightmares...</source>
        <translation>Tous ces souvenirs... ces images qui reviennent... ces cauchemars...</translation>
    </message>
    <message>
        <source>It feels as if it&apos;s happening again.</source>
        <translation>C&apos;est comme si ça se reproduisait.</translation>
    </message>
    <message>
        <source>I feel that I have no control over my life.</source>
        <translation>J&apos;ai l&apos;impression de ne rien maîtriser dans ma vie.</translation>
    </message>
    <message>
        <source>I want to avoid this... I am always on guard.</source>
        <translation>Je veux éviter ça... Je suis toujours sur mes gardes.</translation>
    </message>
    <message>
        <source>It feels so hopeless... It&apos;s so hard to sleep... It&apos;s so overwhelming...</source>
        <translation>Ça semble sans espoir... J&apos;ai tant de mal à dormir... C&apos;est trop pour moi...</translation>
    </message>
    <message>
        <source>It seems that there is no future for me...</source>
        <translation>On dirait qu&apos;il n&apos;y a pas d&apos;avenir pour moi...</translation>
    </message>
    <message>
        <source>I feel stuck with these painful memories...</source>
        <translation>Ces souvenirs douloureux m&apos;enferment...</translation>
    </message>
    <message>
        <source>I feel so powerless, anxious and vulnerable</source>
        <translation>Tant d&apos;impuissance, tant d&apos;angoisse... Je me sens si vulnérable</translation>
    </message>
    <message>
        <source>It&apos;s so numb. I feel disconnected from myself.</source>
        <translation>Tout est comme engourdi. Je n&apos;ai plus de contact avec moi-même.</translation>
    </message>
    <message>
        <source>I release the past and all these bad feelings.</source>
        <translation>Je libère le passé et toutes ces émotions pénibles.</translation>
    </message>
    <message>
        <source>I&apos;m so powerful.</source>
        <translation>J&apos;ai tant de force en moi.</translation>
    </message>
    <message>
        <source>I have the strength to heal my body and mind.</source>
        <translation>J&apos;ai la force de guérir mon corps et mon esprit.</translation>
    </message>
    <message>
        <source>I feel that I&apos;m at home... I&apos;m safe.</source>
        <translation>Je me sens chez moi... Je suis en sécurité.</translation>
    </message>
    <message>
        <source>I am at ease with myself.</source>
        <translation>Je suis bien avec moi-même.</translation>
    </message>
    <message>
        <source>The past has no power over me anymore.</source>
        <translation>Le passé n&apos;a plus de pouvoir sur moi.</translation>
    </message>
    <message>
        <source>I have great future.</source>
        <translation>J&apos;ai un bel avenir.</translation>
    </message>
    <message>
        <source>I can cope with this and come back to my real self...</source>
        <translation>Je peux faire face et revenir à ce que je suis vraiment...</translation>
    </message>
    <message>
        <source>I am connected to myself and others...</source>
        <translation>Je suis en lien avec moi-même et avec les autres...</translation>
    </message>
    <message>
        <source>I trust my inner wisdom...</source>
        <translation>Je fais confiance à ma sagesse intérieure...</translation>
    </message>
    <message>
        <source>My worries don&apos;t define me... I love and I&apos;m loved..</source>
        <translation>Mes soucis ne me définissent pas... J&apos;aime et on m&apos;aime...</translation>
    </message>
    <message>
        <source>I accept myself the way I am.</source>
        <translation>Je m&apos;accepte comme je suis.</translation>
    </message>
    <message>
        <source>I respect myself profoundly.</source>
        <translation>Je me respecte profondément.</translation>
    </message>
    <message>
        <source>I am focused on creating better future.</source>
        <translation>Je me consacre à construire un avenir meilleur.</translation>
    </message>
</context>
<context>
    <name>Ratings</name>
    <message>
        <source>If this feels too much right now, it is fine to stop, to choose a lighter issue first, or to talk to someone you trust or to a professional.</source>
        <translation>Si c&apos;est trop lourd pour le moment, tu peux t&apos;arrêter, choisir d&apos;abord un sujet plus léger, ou en parler à une personne de confiance ou à quelqu&apos;un dont c&apos;est le métier.</translation>
    </message>
    <message>
        <source>At the start you rated it %1.</source>
        <translation>Au début, ta note était de %1.</translation>
    </message>
    <message>
        <source>Your rating went from %1 to %2.</source>
        <translation>Ta note est passée de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <source>Regrettably, a problem has occurred in %1.</source>
        <translation>Malheureusement, un problème est survenu dans %1.</translation>
    </message>
    <message>
        <source>%1 may continue to function after this, but if you have further problems you should restart the program.</source>
        <translation>%1 peut continuer à fonctionner, mais si tu rencontres d&apos;autres problèmes, il vaut mieux redémarrer le programme.</translation>
    </message>
    <message>
        <source>We&apos;d like to fix this problem quickly, but we need your help.  Can %1 submit a bug report on your behalf to %2?  And, can you please take just a moment to jot down what steps we should take to reproduce the problem?</source>
        <translation>Nous aimerions corriger ce problème rapidement, mais nous avons besoin de ton aide. %1 peut-il envoyer un rapport de bogue à %2 en ton nom&#xa0;? Et peux-tu prendre un instant pour noter les étapes qui permettent de reproduire le problème&#xa0;?</translation>
    </message>
    <message>
        <source>Your report is confidential, and only the information you see below is included in the report.</source>
        <translation>Ton rapport est confidentiel, et seules les informations affichées ci-dessous y figurent.</translation>
    </message>
</context>
<context>
    <name>Rounds</name>
    <message>
        <source>Point %1 of %2</source>
        <translation>Point %1 sur %2</translation>
    </message>
    <message>
        <source>Point %1 of %2 · Round %3</source>
        <translation>Point %1 sur %2 · Ronde %3</translation>
    </message>
    <message>
        <source>Point %1 of %2 · Round %3 of %4</source>
        <translation>Point %1 sur %2 · Ronde %3 sur %4</translation>
    </message>
</context>
<context>
    <name>ShellExecute</name>
    <message>
        <source>Error: %1. %2</source>
        <translation>Erreur&#xa0;: %1. %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>no speech engine could be started</source>
        <translation>aucun moteur vocal n&apos;a pu démarrer</translation>
    </message>
    <message>
        <source>No voice here speaks the language of this program, so spoken guidance stays silent.</source>
        <comment>the translation names its own language</comment>
        <translation>Aucune voix ici ne parle français, donc le guidage vocal reste silencieux.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Mindrova needs a graphical desktop: no display was found.</source>
        <translation>Mindrova a besoin d&apos;un bureau graphique&#xa0;: aucun affichage n&apos;a été trouvé.</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Intro</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Select Issue</source>
        <translation>Choisir le sujet</translation>
    </message>
    <message>
        <source>Assign SUD</source>
        <translation>Évaluer le SUD</translation>
    </message>
    <message>
        <source>Stimulate Thymus</source>
        <translation>Stimuler le thymus</translation>
    </message>
    <message>
        <source>Left Hand</source>
        <translation>Main gauche</translation>
    </message>
    <message>
        <source>Karate chop - Left Hand</source>
        <translation>Point karaté, main gauche</translation>
    </message>
    <message>
        <source>Right Hand</source>
        <translation>Main droite</translation>
    </message>
    <message>
        <source>Karate chop - Right Hand</source>
        <translation>Point karaté, main droite</translation>
    </message>
    <message>
        <source>Top Head</source>
        <translation>Sommet de la tête</translation>
    </message>
    <message>
        <source>Left Eyebrow</source>
        <translation>Sourcil gauche</translation>
    </message>
    <message>
        <source>Left Eye Corner</source>
        <translation>Coin de l&apos;œil gauche</translation>
    </message>
    <message>
        <source>Left Under Eye</source>
        <translation>Sous l&apos;œil gauche</translation>
    </message>
    <message>
        <source>Under Nose</source>
        <translation>Sous le nez</translation>
    </message>
    <message>
        <source>Chin</source>
        <translation>Menton</translation>
    </message>
    <message>
        <source>Left Collarbone</source>
        <translation>Clavicule gauche</translation>
    </message>
    <message>
        <source>Left Under Arm</source>
        <translation>Sous le bras gauche</translation>
    </message>
    <message>
        <source>Right Eyebrow</source>
        <translation>Sourcil droit</translation>
    </message>
    <message>
        <source>Right Eye Corner</source>
        <translation>Coin de l&apos;œil droit</translation>
    </message>
    <message>
        <source>Right Under Eye</source>
        <translation>Sous l&apos;œil droit</translation>
    </message>
    <message>
        <source>Right Collarbone</source>
        <translation>Clavicule droite</translation>
    </message>
    <message>
        <source>Right Under Arm</source>
        <translation>Sous le bras droit</translation>
    </message>
    <message>
        <source>Relax</source>
        <translation>Détente</translation>
    </message>
    <message>
        <source>Reasses SUD</source>
        <translation>Réévaluer le SUD</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Explanation of Negative Sequence</source>
        <translation>Explication de la ronde négative</translation>
    </message>
    <message>
        <source>Next step not defined</source>
        <translation>L&apos;étape suivante n&apos;est pas définie.</translation>
    </message>
    <message>
        <source>Previous step not defined</source>
        <translation>L&apos;étape précédente n&apos;est pas définie.</translation>
    </message>
    <message>
        <source>Please sit up straight in a safe, quiet place and relax.</source>
        <translation>Installe-toi dans un endroit sûr et calme, le dos bien droit, et détends-toi.</translation>
    </message>
    <message>
        <source>Take a deep breath.</source>
        <translation>Respire profondément.</translation>
    </message>
    <message>
        <source>Expand your body - put your chest forward, head up, your feet shoulder-width apart. Keep your whole spine straight. Place your tongue against the roof of your mouth. Take as much space as you can. You have right to be here. You are in charge.</source>
        <translation>Ouvre ton corps&#xa0;: la poitrine en avant, la tête haute, les pieds écartés de la largeur des épaules. Garde toute la colonne vertébrale bien droite. Pose ta langue contre ton palais. Prends autant de place que tu peux. Tu as le droit d&apos;être ici. C&apos;est toi qui décides.</translation>
    </message>
    <message>
        <source>There is no right or wrong way of working towards achiving emotional freedom, there is only your way. You are on the right path as long as you feel the emotions you want to clear. With time you will clear your negative emotions and you&apos;ll achieve calmness and peace of mind.</source>
        <translation>Il n&apos;y a pas de bonne ou de mauvaise façon d&apos;avancer vers la liberté émotionnelle, il n&apos;y a que ta façon. Tu es sur le bon chemin tant que tu ressens les émotions que tu veux libérer. Avec le temps, tu libéreras tes émotions négatives et tu trouveras le calme et la paix intérieure.</translation>
    </message>
    <message>
        <source>Whenever you are ready, please click anywhere on the screen or press a spacebar or an Enter key to move to the next step.</source>
        <translation>Dès que tu le souhaites, clique n&apos;importe où sur l&apos;écran ou appuie sur Espace ou sur Entrée pour passer à l&apos;étape suivante.</translation>
    </message>
    <message>
        <source>Please select an emotional issue you want to clear.</source>
        <translation>Choisis le sujet émotionnel que tu veux libérer.</translation>
    </message>
    <message>
        <source>It should be an issue which triggers negative emotions in you. For exampke, whenever you think about it you get upset, your hands are sweating, your heart is pounding, your blood circulates faster, your pulse accelerates.</source>
        <translation>Ce doit être un sujet qui éveille en toi des émotions négatives. Par exemple, chaque fois que tu y penses, tu te sens mal, tes mains deviennent moites, ton cœur bat fort, ton sang circule plus vite, ton pouls s&apos;accélère.</translation>
    </message>
    <message>
        <source>Click button Next when you are ready.</source>
        <translation>Clique sur «&#xa0;Suivant&#xa0;» dès que tu le souhaites.</translation>
    </message>
    <message>
        <source>Now please assess the intensity of the issue - the level of discomfort it causes. Assign a SUD number to this issue.</source>
        <translation>Évalue maintenant l&apos;intensité du sujet, c&apos;est-à-dire le niveau d&apos;inconfort qu&apos;il provoque. Donne-lui une note SUD.</translation>
    </message>
    <message>
        <source>A SUD number is a unit on so called &apos;Subjective Unit of Distress&apos; scale.</source>
        <translation>La note SUD se mesure sur l&apos;échelle dite SUD, pour «&#xa0;Subjective Unit of Distress&#xa0;» (unité subjective de détresse).</translation>
    </message>
    <message>
        <source>It is number from 0 to 10, where 0 means that the issue is not bothering you at all, and 10 indicates the highest level of distress.</source>
        <translation>C&apos;est un nombre de 0 à 10&#xa0;: 0 signifie que le sujet ne te dérange pas du tout, et 10 indique le plus haut niveau de détresse.</translation>
    </message>
    <message>
        <source>Go to the next step when you are ready.</source>
        <translation>Passe à l&apos;étape suivante dès que tu le souhaites.</translation>
    </message>
    <message>
        <source>Breathe deeply and slowly - inhaling through the nose and out through the mouth. Slowly inhale, slowly exhale and stop for about three seconds.</source>
        <translation>Respire profondément et lentement&#xa0;: inspire par le nez et expire par la bouche. Inspire lentement, expire lentement et marque une pause d&apos;environ trois secondes.</translation>
    </message>
    <message>
        <source>Gently tap your thymus with the index finger and middle finger for about half a minute. It doesn&apos;t matter which hand you use, left or right.</source>
        <translation>Tapote doucement ton thymus avec l&apos;index et le majeur pendant environ une demi-minute. Peu importe la main que tu utilises, gauche ou droite.</translation>
    </message>
    <message>
        <source>Thymus gland regulates human&apos;s body and is its energetic battery. It is located behind your sternum and between your lungs, about 2 inches below the collarbone.</source>
        <translation>Le thymus régule le corps humain et en est la batterie énergétique. Il se trouve derrière le sternum, entre les poumons, environ 5 cm sous la clavicule.</translation>
    </message>
    <message>
        <source>When stimulating thymus, the will to heal - life&apos;s energy - is activated.</source>
        <translation>Quand tu stimules le thymus, la volonté de guérir, l&apos;énergie de vie, s&apos;active.</translation>
    </message>
    <message>
        <source>Continue tapping. Relax and remember to breathe slowly. Repeat (or use your own words to reframe the issue): </source>
        <translation>Continue le tapotement. Détends-toi et pense à respirer lentement. Répète (ou reformule le sujet avec tes propres mots)&#xa0;: </translation>
    </message>
    <message>
        <source>Breathe slowly and gently tap the indicated points with the index finger and middle finger. Repeat (or use your own words): </source>
        <translation>Respire lentement et tapote doucement les points indiqués avec l&apos;index et le majeur. Répète (ou utilise tes propres mots)&#xa0;: </translation>
    </message>
    <message>
        <source>Say &apos;Peace&apos; and take couple of deep breaths.</source>
        <translation>Dis «&#xa0;Paix&#xa0;» et respire profondément deux ou trois fois.</translation>
    </message>
    <message>
        <source>Detach yourself from the issue. This issue is not you. It doesn&apos;t define you.</source>
        <translation>Prends de la distance avec ce sujet. Ce sujet, ce n&apos;est pas toi. Il ne te définit pas.</translation>
    </message>
    <message>
        <source>If this issue was triggered by a situation in the past, re-live this situation, but this time separate yourself from it.</source>
        <translation>Si ce sujet a été déclenché par une situation passée, revis cette situation, mais cette fois en restant à distance.</translation>
    </message>
    <message>
        <source>Watch it through the lenses of a camera. Camera doesn&apos;t judge or assign emotions.</source>
        <translation>Regarde-la à travers l&apos;objectif d&apos;une caméra. Une caméra ne juge pas et n&apos;attribue aucune émotion.</translation>
    </message>
    <message>
        <source>Observe as this would happen to someone else. You can modify the situation - you can bring other people or beings, real of imaginary. You are in control. You can change your behavior but you cannot change behavior of people who caused harm to you.</source>
        <translation>Observe-la comme si elle arrivait à quelqu&apos;un d&apos;autre. Tu peux modifier la situation&#xa0;: tu peux y faire venir d&apos;autres personnes ou d&apos;autres êtres, réels ou imaginaires. C&apos;est toi qui décides. Tu peux changer ton comportement, mais pas celui des personnes qui t&apos;ont fait du mal.</translation>
    </message>
    <message>
        <source>This will re-frame this event for you. You will remember it but the negative emotions will go away.</source>
        <translation>Cela donnera un nouveau cadre à cet événement. Tu t&apos;en souviendras, mais les émotions négatives s&apos;en iront.</translation>
    </message>
    <message>
        <source>In the next step you&apos;ll give yourself the comfort you wish had been given to you.</source>
        <translation>À l&apos;étape suivante, tu t&apos;offriras le réconfort que tu aurais aimé recevoir.</translation>
    </message>
    <message>
        <source>Say &apos;Peace&apos; and take a deep breath.</source>
        <translation>Dis «&#xa0;Paix&#xa0;» et respire profondément.</translation>
    </message>
    <message>
        <source>Reasses SUD - the intensity of the emotion or stress related to given issue.</source>
        <translation>Réévalue le SUD&#xa0;: l&apos;intensité de l&apos;émotion ou du stress liés à ce sujet.</translation>
    </message>
    <message>
        <source>If it decreased but it is still &gt; 0, you may click the button &apos;Next&apos; and continue tapping till it reaches zero, or you may stop the session and continue it at other time.</source>
        <translation>Si la note a baissé mais reste au-dessus de 0, tu peux cliquer sur «&#xa0;Suivant&#xa0;» et poursuivre le tapotement jusqu&apos;à ce qu&apos;elle atteigne zéro, ou arrêter la séance et la reprendre une autre fois.</translation>
    </message>
    <message>
        <source>If SUD = 0, either end the session or click the button &apos;Previous&apos; couple of times to go back to the beginning of the process and move on to the next issue.</source>
        <translation>Si le SUD est à 0, termine la séance, ou clique quelques fois sur «&#xa0;Précédent&#xa0;» pour revenir au début du processus et passer au sujet suivant.</translation>
    </message>
    <message>
        <source>Sometimes (though very rarely) it happens that the level of the stress increases.</source>
        <translation>Il arrive parfois (mais très rarement) que le niveau de stress augmente.</translation>
    </message>
    <message>
        <source>If that&apos;s the case, stop working on that issue and try to clear some other, less intense issue. Come back to the original issue after the lighter issues are cleared.</source>
        <translation>Dans ce cas, arrête de travailler sur ce sujet et essaie d&apos;en libérer un autre, moins intense. Reviens au sujet de départ une fois les sujets plus légers libérés.</translation>
    </message>
    <message>
        <source>To stop the session plese click the button &apos;Finish.</source>
        <translation>Pour arrêter la séance, clique sur «&#xa0;Terminer&#xa0;».</translation>
    </message>
    <message>
        <source>Take a deep breath. Place one hand on your hearth and the other one abount one inch below your belly button - this spot is called &apos;dan tien&apos;.</source>
        <translation>Respire profondément. Pose une main sur ton cœur et l&apos;autre environ trois centimètres sous le nombril&#xa0;: c&apos;est le «&#xa0;dan tien&#xa0;».</translation>
    </message>
    <message>
        <source>Concentrate on your heart and say:</source>
        <translation>Concentre-toi sur ton cœur et dis&#xa0;:</translation>
    </message>
    <message>
        <source>&apos;I feel you. I understand you. I love you.&apos;</source>
        <translation>«&#xa0;Je te sens. Je te comprends. Je t&apos;aime.&#xa0;»</translation>
    </message>
    <message>
        <source>Imagine energy flowing between your heart and your dan tien. As you breathe in, the energy goes up to your heart. As you breath out, the energy goes down to your dan tien.</source>
        <translation>Imagine l&apos;énergie qui circule entre ton cœur et ton dan tien. À l&apos;inspiration, elle monte vers ton cœur&#xa0;; à l&apos;expiration, elle redescend vers ton dan tien.</translation>
    </message>
    <message>
        <source>Send your love to the outside world, to everyone and everything.</source>
        <translation>Envoie ton amour au monde entier, à tous et à tout.</translation>
    </message>
    <message>
        <source>Say:</source>
        <translation>Dis&#xa0;:</translation>
    </message>
    <message>
        <source>&apos;I am greatful for this healing.&apos;</source>
        <translation>«&#xa0;Merci pour cette guérison.&#xa0;»</translation>
    </message>
    <message>
        <source>The issue is gone. You are safe. Somebody loves you.</source>
        <translation>Le sujet est parti. Tu es en sécurité. Quelqu&apos;un t&apos;aime.</translation>
    </message>
    <message>
        <source>Before working on the issue, you have first to tune in into the emotion associated with it.</source>
        <translation>Avant de travailler sur le sujet, tu dois d&apos;abord te mettre à l&apos;écoute de l&apos;émotion qui y est liée.</translation>
    </message>
    <message>
        <source>The best way is to &apos;poke&apos; oneselves to feel related experience and sensations.</source>
        <translation>Le mieux est de te «&#xa0;bousculer&#xa0;» un peu pour ressentir l&apos;expérience et les sensations qui y sont liées.</translation>
    </message>
    <message>
        <source>(By putting yourself in the frightening situation without any negative consequences, your subonsciousness learns that anxiety isn’t appropriate.)</source>
        <translation>(En te plaçant dans la situation effrayante sans aucune conséquence négative, ton inconscient apprend que l&apos;anxiété n&apos;y a pas sa place.)</translation>
    </message>
    <message>
        <source>The program will guide you through two &apos;negative rounds&apos; of tapping before switching to positive mode, where actual treatment will take place.</source>
        <translation>Le programme va te guider à travers deux «&#xa0;rondes négatives&#xa0;» de tapotement avant de passer en mode positif, où le vrai travail aura lieu.</translation>
    </message>
    <message>
        <source>Please go to the next step when you are ready.</source>
        <translation>Passe à l&apos;étape suivante quand tu le souhaites.</translation>
    </message>
    <message>
        <source>Affirmation Statement</source>
        <translation>Phrase de préparation</translation>
    </message>
    <message>
        <source>Positive Sequence</source>
        <translation>Ronde positive</translation>
    </message>
    <message>
        <source>Negative Sequence</source>
        <translation>Ronde négative</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Error on launching URL: %1</source>
        <translation>Erreur à l&apos;ouverture de l&apos;adresse&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>mindrova::ContentScroll</name>
    <message>
        <source>Scroll the window up and down</source>
        <translation>Faire défiler la fenêtre vers le haut ou le bas</translation>
    </message>
    <message>
        <source>Scroll the window left and right</source>
        <translation>Faire défiler la fenêtre vers la gauche ou la droite</translation>
    </message>
</context>
<context>
    <name>mindrova::JournalChart</name>
    <message>
        <source>First rating</source>
        <translation>Première note</translation>
    </message>
    <message>
        <source>Last rating</source>
        <translation>Dernière note</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Last rating, lower</source>
        <translation>Dernière note, plus basse</translation>
    </message>
    <message>
        <source>Last rating, higher</source>
        <translation>Dernière note, plus haute</translation>
    </message>
    <message>
        <source>Last rating, the same</source>
        <translation>Dernière note, inchangée</translation>
    </message>
    <message>
        <source>Lower at the end: %1, higher: %2, the same: %3. The newest went from %4 to %5.</source>
        <translation>Plus bas à la fin&#xa0;: %1, plus haut&#xa0;: %2, inchangé&#xa0;: %3. La plus récente est passée de %4 à %5.</translation>
    </message>
</context>
<context>
    <name>mindrova::JournalMenuItems</name>
    <message>
        <source>Keep a private journal</source>
        <translation>Tenir un journal privé</translation>
    </message>
    <message>
        <source>Journal...</source>
        <translation>Journal...</translation>
    </message>
</context>
<context>
    <name>mindrova::JournalRecorder</name>
    <message>
        <source>Your journal could not be read, so a new one has been started. The old file is kept unchanged as %1.</source>
        <translation>Ton journal n&apos;a pas pu être lu, un nouveau a donc été commencé. L&apos;ancien fichier est conservé tel quel sous le nom %1.</translation>
    </message>
    <message>
        <source>Your journal could not be read, and another program is using it, so it is left as it is (%1). Your session goes on as usual, and Mindrova will try again at the next entry.</source>
        <translation>Ton journal n&apos;a pas pu être lu, et un autre programme l&apos;utilise&#xa0;: il reste donc tel quel (%1). Ta séance continue normalement, et Mindrova réessaiera à la prochaine entrée.</translation>
    </message>
    <message>
        <source>Your journal was written by a newer version of Mindrova. It is left as it is, and this session is not added to it.</source>
        <translation>Ton journal a été écrit par une version plus récente de Mindrova. Il reste tel quel, et cette séance n&apos;y est pas ajoutée.</translation>
    </message>
    <message>
        <source>Your journal could not be written just now (%1). Your session goes on as usual, and Mindrova will try again at the next entry.</source>
        <translation>Ton journal n&apos;a pas pu être écrit pour l&apos;instant (%1). Ta séance continue normalement, et Mindrova réessaiera à la prochaine entrée.</translation>
    </message>
    <message>
        <source>Your journal needs attention: see Journal... in the menu.</source>
        <translation>Ton journal demande ton attention&#xa0;: ouvre «&#xa0;Journal...&#xa0;» dans le menu.</translation>
    </message>
</context>
<context>
    <name>mindrova::PersonalLinesEditor</name>
    <message>
        <source>Line %1</source>
        <translation>Phrase %1</translation>
    </message>
    <message>
        <source>%1 (not said in a full round)</source>
        <translation>%1 (pas dite dans une ronde complète)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 of %2 lines</source>
        <translation>%1/%2 phrases</translation>
    </message>
    <message>
        <source>Line %1: 1 character left</source>
        <translation>Phrase %1&#xa0;: encore 1 caractère</translation>
    </message>
    <message>
        <source>Line %1: 1 character too many</source>
        <translation>Phrase %1&#xa0;: 1 caractère de trop</translation>
    </message>
    <message>
        <source>Line %1: %2 characters left</source>
        <translation>Phrase %1&#xa0;: encore %2 caractères</translation>
    </message>
    <message>
        <source>Line %1: %2 characters too many</source>
        <translation>Phrase %1&#xa0;: %2 caractères de trop</translation>
    </message>
    <message>
        <source>Enter or F2 edits a line. Alt+Up and Alt+Down move it, Insert adds a line, Delete removes it.</source>
        <translation>Entrée ou F2 modifie une phrase. Alt+Haut et Alt+Bas la déplacent, Inser ajoute une phrase, Suppr l&apos;enlève.</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <source>Add a line</source>
        <translation>Ajouter une phrase</translation>
    </message>
    <message>
        <source>Add a line (Insert)</source>
        <translation>Ajouter une phrase (Inser)</translation>
    </message>
    <message>
        <source>Remove the line</source>
        <translation>Enlever la phrase</translation>
    </message>
    <message>
        <source>Remove the line (Delete)</source>
        <translation>Enlever la phrase (Suppr)</translation>
    </message>
    <message>
        <source>Move the line up</source>
        <translation>Monter la phrase</translation>
    </message>
    <message>
        <source>Move the line up (Alt+Up)</source>
        <translation>Monter la phrase (Alt+Haut)</translation>
    </message>
    <message>
        <source>Move the line down</source>
        <translation>Descendre la phrase</translation>
    </message>
    <message>
        <source>Move the line down (Alt+Down)</source>
        <translation>Descendre la phrase (Alt+Bas)</translation>
    </message>
    <message>
        <source>Said on: %1</source>
        <translation>Dite sur&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>mindrova::PersonalSessionRow</name>
    <message>
        <source>&amp;My sessions:</source>
        <translation>&amp;Mes séances&#xa0;:</translation>
    </message>
    <message>
        <source>My sessions</source>
        <translation>Mes séances</translation>
    </message>
    <message>
        <source>One of your own sessions in place of the issue above</source>
        <translation>Une de tes propres séances à la place du sujet ci-dessus</translation>
    </message>
    <message>
        <source>Mana&amp;ge...</source>
        <translation>&amp;Gérer...</translation>
    </message>
    <message>
        <source>Manage my sessions</source>
        <translation>Gérer mes séances</translation>
    </message>
    <message>
        <source>Make, edit, duplicate, delete, import and export your own sessions</source>
        <translation>Crée, modifie, duplique, supprime, importe et exporte tes propres séances</translation>
    </message>
    <message>
        <source>My sessions notice</source>
        <translation>Information sur mes séances</translation>
    </message>
    <message>
        <source>Your session “%1” runs instead.</source>
        <translation>C&apos;est ta séance «&#xa0;%1&#xa0;» qui se déroule à la place.</translation>
    </message>
    <message>
        <source>The issue above</source>
        <translation>Le sujet ci-dessus</translation>
    </message>
    <message numerus="yes">
        <source>%n of your session files could not be read. Manage... shows which and why.</source>
        <translation>
            <numerusform>%n de tes fichiers de séance n&apos;a pas pu être lu. «&#xa0;Gérer...&#xa0;» montre lequel et pourquoi.</numerusform>
            <numerusform>%n de tes fichiers de séance n&apos;ont pas pu être lus. «&#xa0;Gérer...&#xa0;» montre lesquels et pourquoi.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mindrova::ProgressPanel</name>
    <message>
        <source>In your own words (optional):</source>
        <translation>Avec tes propres mots (facultatif)&#xa0;:</translation>
    </message>
    <message>
        <source>In your own words (optional)</source>
        <translation>Avec tes propres mots (facultatif)</translation>
    </message>
    <message>
        <source>Your words for the set-up statement, up to %1 characters</source>
        <translation>Tes mots pour la phrase de préparation, jusqu&apos;à %1 caractères</translation>
    </message>
    <message>
        <source>First rating</source>
        <translation>Première note</translation>
    </message>
    <message>
        <source>Rating change</source>
        <translation>Évolution de la note</translation>
    </message>
</context>
<context>
    <name>mindrova::QtSpeaker</name>
    <message>
        <source>the speech engine &quot;%1&quot; is not installed</source>
        <translation>le moteur vocal «&#xa0;%1&#xa0;» n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the speech engine &quot;%1&quot; did not start</source>
        <translation>le moteur vocal «&#xa0;%1&#xa0;» n&apos;a pas démarré</translation>
    </message>
    <message>
        <source>the speech engine stopped working</source>
        <translation>le moteur vocal a cessé de fonctionner</translation>
    </message>
</context>
<context>
    <name>mindrova::RoundFollow</name>
    <message>
        <source>Place in the round</source>
        <translation>Place dans la ronde</translation>
    </message>
    <message>
        <source>Follow the round</source>
        <translation>Suivre la ronde</translation>
    </message>
</context>
<context>
    <name>mindrova::WindowDisplay</name>
    <message>
        <source>Steady markers</source>
        <translation>Repères fixes</translation>
    </message>
    <message>
        <source>Appearance...</source>
        <translation>Apparence...</translation>
    </message>
</context>
<context>
    <name>mindrova::WindowSpeech</name>
    <message>
        <source>Spoken guidance notice</source>
        <translation>Information sur le guidage vocal</translation>
    </message>
    <message>
        <source>Spoken guidance is unavailable (%1). The session goes on without it.</source>
        <translation>Le guidage vocal n&apos;est pas disponible (%1). La séance continue sans lui.</translation>
    </message>
    <message>
        <source>Spoken guidance</source>
        <translation>Guidage vocal</translation>
    </message>
    <message>
        <source>Voice...</source>
        <translation>Voix...</translation>
    </message>
</context>
<context>
    <name>mindrova::frmAbout_NEW</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Opens the web site in the browser</source>
        <translation>Ouvre le site web dans le navigateur</translation>
    </message>
</context>
<context>
    <name>mindrova::frmAppearance</name>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Comme le bureau</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Contraste élevé</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>Comme le bureau</translation>
    </message>
    <message>
        <source>The language changes the next time Mindrova starts.</source>
        <translation>La langue change au prochain démarrage de Mindrova.</translation>
    </message>
    <message>
        <source>&amp;Appearance:</source>
        <translation>&amp;Apparence&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Text size:</source>
        <translation>&amp;Taille du texte&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Follow the round</source>
        <translation>S&amp;uivre la ronde</translation>
    </message>
    <message>
        <source>On each tapping point the line to say stands out and its place in the round shows</source>
        <translation>Sur chaque point de tapotement, la phrase à dire ressort et sa place dans la ronde s&apos;affiche</translation>
    </message>
</context>
<context>
    <name>mindrova::frmErrorReport</name>
    <message>
        <source>An error occurred in ...</source>
        <translation>Une erreur s&apos;est produite dans ...</translation>
    </message>
    <message>
        <source>Voluntary Feedback - Please Help Us</source>
        <translation>Retour facultatif – aide-nous, s&apos;il te plaît</translation>
    </message>
    <message>
        <source>Thank you for using...</source>
        <translation>Merci d&apos;utiliser ...</translation>
    </message>
    <message>
        <source>Error Report Contents:</source>
        <translation>Contenu du rapport d&apos;erreur&#xa0;:</translation>
    </message>
    <message>
        <source>How you got this error, and how we can reproduce it:</source>
        <translation>Comment cette erreur est survenue, et comment la reproduire&#xa0;:</translation>
    </message>
    <message>
        <source>(Highly recommended.)</source>
        <translation>(Vivement recommandé.)</translation>
    </message>
    <message>
        <source>Your email address, so we can contact you about this problem:</source>
        <translation>Ton adresse e-mail, pour que nous puissions te contacter à propos de ce problème&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Send Error Report</source>
        <translation>&amp;Envoyer le rapport d&apos;erreur</translation>
    </message>
    <message>
        <source>&amp;Do Not Send</source>
        <translation>&amp;Ne pas envoyer</translation>
    </message>
    <message>
        <source>Uh Oh... an error occurred in %1</source>
        <translation>Oh là là... une erreur s&apos;est produite dans %1</translation>
    </message>
    <message>
        <source>%1 Problem </source>
        <translation>Problème dans %1</translation>
    </message>
</context>
<context>
    <name>mindrova::frmJournal</name>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>This journal was written by a newer version of Mindrova and cannot be shown here.</source>
        <translation>Ce journal a été écrit par une version plus récente de Mindrova et ne peut pas être affiché ici.</translation>
    </message>
    <message>
        <source>The journal could not be opened.</source>
        <translation>Le journal n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The journal could not be read, and another program is using it, so it is left as it is.</source>
        <translation>Le journal n&apos;a pas pu être lu, et un autre programme l&apos;utilise&#xa0;: il reste donc tel quel.</translation>
    </message>
    <message>
        <source>The journal could not be read; it is kept as %1 and a new one has been started.</source>
        <translation>Le journal n&apos;a pas pu être lu&#xa0;; il est conservé sous le nom %1 et un nouveau a été commencé.</translation>
    </message>
    <message>
        <source>&amp;Chart for:</source>
        <translation>&amp;Graphique pour&#xa0;:</translation>
    </message>
    <message>
        <source>Issue shown in the chart</source>
        <translation>Sujet affiché dans le graphique</translation>
    </message>
    <message>
        <source>Chart of the ratings over time</source>
        <translation>Graphique des notes au fil du temps</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Issue</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>First rating</source>
        <translation>Première note</translation>
    </message>
    <message>
        <source>Later ratings</source>
        <translation>Notes suivantes</translation>
    </message>
    <message>
        <source>Last rating</source>
        <translation>Dernière note</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rondes</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Own words</source>
        <translation>Tes mots</translation>
    </message>
    <message>
        <source>Journal entries, newest first</source>
        <translation>Entrées du journal, les plus récentes d&apos;abord</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>Delete &amp;All...</source>
        <translation>Supprimer &amp;tout...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Deletes the entry chosen in the table</source>
        <translation>Supprime l&apos;entrée choisie dans le tableau</translation>
    </message>
    <message>
        <source>1 entry.</source>
        <translation>1 entrée.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries.</source>
        <translation>
            <numerusform>%n entrée.</numerusform>
            <numerusform>%n entrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your journal is empty.</source>
        <translation>Ton journal est vide.</translation>
    </message>
    <message>
        <source>No ratings to show.</source>
        <translation>Aucune note à afficher.</translation>
    </message>
    <message numerus="yes">
        <source>%n sessions on %1, oldest first: the first and the last rating of each. The table below lists every entry.</source>
        <translation>
            <numerusform>%n séance sur %1&#xa0;: la première et la dernière note. Le tableau ci-dessous liste toutes les entrées.</numerusform>
            <numerusform>%n séances sur %1, de la plus ancienne à la plus récente&#xa0;: la première et la dernière note de chacune. Le tableau ci-dessous liste toutes les entrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the entry of %1 for “%2”? This cannot be undone.</source>
        <translation>Supprimer l&apos;entrée du %1 pour «&#xa0;%2&#xa0;»&#xa0;? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>The entry could not be deleted; the journal is unchanged.</source>
        <translation>L&apos;entrée n&apos;a pas pu être supprimée&#xa0;; le journal n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>Delete the copies of your journal kept aside because they could not be read (%1)? This cannot be undone.</source>
        <translation>Supprimer les copies de ton journal mises de côté parce qu&apos;elles étaient illisibles (%1)&#xa0;? Cette action est irréversible.</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n entries of your journal? This cannot be undone.</source>
        <translation>
            <numerusform>Supprimer %n entrée de ton journal&#xa0;? Cette action est irréversible.</numerusform>
            <numerusform>Supprimer les %n entrées de ton journal&#xa0;? Cette action est irréversible.</numerusform>
        </translation>
    </message>
    <message>
        <source>The copies kept aside because they could not be read are deleted too: %1.</source>
        <translation>Les copies mises de côté parce qu&apos;elles étaient illisibles sont supprimées elles aussi&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Some copies kept aside could not be deleted. You can delete the files journal.damaged-* in %1 yourself.</source>
        <translation>Certaines copies mises de côté n&apos;ont pas pu être supprimées. Tu peux supprimer toi-même les fichiers journal.damaged-* dans %1.</translation>
    </message>
    <message>
        <source>Export the journal</source>
        <translation>Exporter le journal</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The journal was exported to %1.</source>
        <translation>Le journal a été exporté vers %1.</translation>
    </message>
    <message>
        <source>The journal could not be exported to %1. Nothing in the journal has changed.</source>
        <translation>Le journal n&apos;a pas pu être exporté vers %1. Rien n&apos;a changé dans le journal.</translation>
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
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause tapping</source>
        <translation>Mettre le tapotement en pause</translation>
    </message>
    <message>
        <source>Holds the tapping timer, like Esc</source>
        <translation>Suspend le rythme du tapotement, comme Échap</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Pré&amp;cédent</translation>
    </message>
    <message>
        <source>Previous step</source>
        <translation>Étape précédente</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Étape suivante</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>R&amp;esume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Opens the menu: keyboard shortcuts, about, exit</source>
        <translation>Ouvre le menu&#xa0;: raccourcis clavier, à propos, quitter</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Segment Title</source>
        <translation>Titre de l&apos;étape</translation>
    </message>
    <message>
        <source>Step title</source>
        <translation>Titre de l&apos;étape</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Tapping points</source>
        <translation>Points de tapotement</translation>
    </message>
    <message>
        <source>Body with the tapping points</source>
        <translation>Corps avec les points de tapotement</translation>
    </message>
    <message>
        <source>Left hand, karate chop point</source>
        <translation>Main gauche, point karaté</translation>
    </message>
    <message>
        <source>Right hand, karate chop point</source>
        <translation>Main droite, point karaté</translation>
    </message>
    <message>
        <source>Current Point</source>
        <translation>Point actuel</translation>
    </message>
    <message>
        <source>Current point</source>
        <translation>Point actuel</translation>
    </message>
    <message>
        <source>Emotional issue</source>
        <translation>Sujet émotionnel</translation>
    </message>
    <message>
        <source>SUD rating, 0 to 10</source>
        <translation>Note SUD, de 0 à 10</translation>
    </message>
    <message>
        <source>SUD %1</source>
        <translation>SUD %1</translation>
    </message>
    <message>
        <source>Today is a good day to contact me - feel free to share with me your feedback/suggestions or just to say hi.</source>
        <translation>Aujourd&apos;hui, c&apos;est le jour idéal pour me contacter&#xa0;: n&apos;hésite pas à me faire part de tes commentaires et suggestions, ou simplement à me dire bonjour.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Tap: %1</source>
        <translation>Tapote&#xa0;: %1</translation>
    </message>
    <message>
        <source>Session options...</source>
        <translation>Options de séance...</translation>
    </message>
</context>
<context>
    <name>mindrova::frmPersonalSessionEdit</name>
    <message>
        <source>Edit a session</source>
        <translation>Modifier une séance</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Set-up statement</source>
        <translation>Phrase de préparation</translation>
    </message>
    <message>
        <source>Negative lines, one a row</source>
        <translation>Phrases négatives, une par ligne</translation>
    </message>
    <message>
        <source>Positive lines, one a row</source>
        <translation>Phrases positives, une par ligne</translation>
    </message>
    <message>
        <source>Seconds per point</source>
        <translation>Secondes par point</translation>
    </message>
    <message>
        <source>As in Session options</source>
        <translation>Comme dans les options de séance</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>All sixteen points</source>
        <translation>Les seize points</translation>
    </message>
    <message>
        <source>One side per round</source>
        <translation>Un côté par ronde</translation>
    </message>
    <message>
        <source>Save &amp;elsewhere…</source>
        <translation>Enregistrer &amp;ailleurs…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Set-&amp;up statement:</source>
        <translation>&amp;Phrase de préparation&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Negative lines, one a row:</source>
        <translation>Phrases &amp;négatives, une par ligne&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Positive lines, one a row:</source>
        <translation>Phrases p&amp;ositives, une par ligne&#xa0;:</translation>
    </message>
    <message>
        <source>Seconds per p&amp;oint:</source>
        <translation>Secon&amp;des par point&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Round:</source>
        <translation>&amp;Ronde&#xa0;:</translation>
    </message>
    <message>
        <source>You already have a session called “%1”; give this one another title.</source>
        <translation>Tu as déjà une séance appelée «&#xa0;%1&#xa0;»&#xa0;; donne un autre titre à celle-ci.</translation>
    </message>
    <message>
        <source>“%1” could not be saved (%2). Everything you typed is still here: choose Save to try again, or Save elsewhere to keep it in another place.</source>
        <translation>La séance «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistrée (%2). Tout ce que tu as saisi est toujours là&#xa0;: choisis «&#xa0;Enregistrer&#xa0;» pour réessayer, ou «&#xa0;Enregistrer ailleurs&#xa0;» pour le conserver à un autre endroit.</translation>
    </message>
</context>
<context>
    <name>mindrova::frmPersonalSessions</name>
    <message>
        <source>My sessions</source>
        <translation>Mes séances</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Nouvelle séance</translation>
    </message>
    <message>
        <source>Start from the issue</source>
        <translation>Sujet de départ</translation>
    </message>
    <message>
        <source>&amp;Start from the issue:</source>
        <translation>Sujet de dé&amp;part&#xa0;:</translation>
    </message>
    <message>
        <source>Its statement and phrases are filled in for you to change.</source>
        <translation>Sa phrase de préparation et ses phrases sont déjà écrites pour toi&#xa0;; tu pourras les modifier.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Your sessions</source>
        <translation>Tes séances</translation>
    </message>
    <message>
        <source>Your &amp;sessions:</source>
        <translation>&amp;Tes séances&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nouvelle…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Not listed, as they cannot be used (they are left as they are in %1):</source>
        <translation>Non listées, car inutilisables (elles restent telles quelles dans %1)&#xa0;:</translation>
    </message>
    <message>
        <source>No sessions yet. New makes one from an issue.</source>
        <translation>Aucune séance pour l&apos;instant. «&#xa0;Nouvelle&#xa0;» en crée une à partir d&apos;un sujet.</translation>
    </message>
    <message>
        <source>The file %1 of “%2” was changed or deleted after you opened it here, perhaps in another copy of Mindrova. Overwrite it with what you typed, or keep both (what you typed as “%3”)?</source>
        <translation>Le fichier %1 de «&#xa0;%2&#xa0;» a été modifié ou supprimé après que tu l&apos;as ouvert ici, peut-être dans une autre fenêtre de Mindrova. Veux-tu l&apos;écraser avec ce que tu as saisi, ou garder les deux (ce que tu as saisi sous le nom «&#xa0;%3&#xa0;»)&#xa0;?</translation>
    </message>
    <message>
        <source>The session “%1” could not be saved (%2). Your other sessions are unchanged.</source>
        <translation>La séance «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistrée (%2). Tes autres séances n&apos;ont pas changé.</translation>
    </message>
    <message>
        <source>“%1” was saved.</source>
        <translation>La séance «&#xa0;%1&#xa0;» a été enregistrée.</translation>
    </message>
    <message>
        <source>Edit a session</source>
        <translation>Modifier une séance</translation>
    </message>
    <message>
        <source>“%1” was made as a copy.</source>
        <translation>La séance «&#xa0;%1&#xa0;» a été créée comme copie.</translation>
    </message>
    <message>
        <source>Delete your session “%1”? Its file %2 is deleted; this cannot be undone.</source>
        <translation>Supprimer ta séance «&#xa0;%1&#xa0;»&#xa0;? Son fichier %2 sera supprimé&#xa0;; cette action est irréversible.</translation>
    </message>
    <message>
        <source>“%1” was deleted.</source>
        <translation>La séance «&#xa0;%1&#xa0;» a été supprimée.</translation>
    </message>
    <message>
        <source>The session “%1” could not be deleted; it is left as it was.</source>
        <translation>La séance «&#xa0;%1&#xa0;» n&apos;a pas pu être supprimée&#xa0;; elle reste telle quelle.</translation>
    </message>
    <message>
        <source>Import a session</source>
        <translation>Importer une séance</translation>
    </message>
    <message>
        <source>Session files (*.json)</source>
        <translation>Fichiers de séance (*.json)</translation>
    </message>
    <message>
        <source>Export a session</source>
        <translation>Exporter une séance</translation>
    </message>
    <message>
        <source>“%1” was exported to %2.</source>
        <translation>La séance «&#xa0;%1&#xa0;» a été exportée vers %2.</translation>
    </message>
    <message>
        <source>“%1” could not be exported to %2 (%3).</source>
        <translation>La séance «&#xa0;%1&#xa0;» n&apos;a pas pu être exportée vers %2 (%3).</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>Closes this list and runs the chosen session, beginning with its rating</source>
        <translation>Ferme cette liste et lance la séance choisie, en commençant par sa note</translation>
    </message>
</context>
<context>
    <name>mindrova::frmSessionOptions</name>
    <message>
        <source>Session options</source>
        <translation>Options de séance</translation>
    </message>
    <message>
        <source>Seconds per point</source>
        <translation>Secondes par point</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>All sixteen points</source>
        <translation>Les seize points</translation>
    </message>
    <message>
        <source>One side per round, eight points</source>
        <translation>Un côté par ronde, huit points</translation>
    </message>
    <message>
        <source>&amp;Seconds per point:</source>
        <translation>&amp;Secondes par point&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Round:</source>
        <translation>&amp;Ronde&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>mindrova::frmShortcuts</name>
    <message>
        <source>Advance to the next step</source>
        <translation>Passer à l&apos;étape suivante</translation>
    </message>
    <message>
        <source>&apos;N&apos;, left click, space, right or down arrow, enter, or page down</source>
        <translation>«&#xa0;N&#xa0;», clic gauche, Espace, flèche Droite ou Bas, Entrée ou Page suiv</translation>
    </message>
    <message>
        <source>Return to the previous step</source>
        <translation>Revenir à l&apos;étape précédente</translation>
    </message>
    <message>
        <source>&apos;P&apos;, backspace, left or up arrow, or page up</source>
        <translation>«&#xa0;P&#xa0;», Effacement, flèche Gauche ou Haut, ou Page préc</translation>
    </message>
    <message>
        <source>Pause tapping</source>
        <translation>Mettre le tapotement en pause</translation>
    </message>
    <message>
        <source>Esc or Alt + A</source>
        <translation>Échap ou Alt + P</translation>
    </message>
    <message>
        <source>Go to Finish</source>
        <translation>Aller à «&#xa0;Terminer&#xa0;»</translation>
    </message>
    <message>
        <source>Alt + F</source>
        <translation>Alt + T</translation>
    </message>
    <message>
        <source>Turn spoken guidance on or off</source>
        <translation>Activer ou désactiver le guidage vocal</translation>
    </message>
    <message>
        <source>&apos;V&apos;</source>
        <translation>«&#xa0;V&#xa0;»</translation>
    </message>
    <message>
        <source>Keboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Open the menu</source>
        <translation>Ouvrir le menu</translation>
    </message>
    <message>
        <source>Menu key or Shift + F10</source>
        <translation>Touche Menu ou Maj + F10</translation>
    </message>
    <message>
        <source>Larger text</source>
        <translation>Texte plus grand</translation>
    </message>
    <message>
        <source>Ctrl + Plus</source>
        <translation>Ctrl + Plus</translation>
    </message>
    <message>
        <source>Smaller text</source>
        <translation>Texte plus petit</translation>
    </message>
    <message>
        <source>Ctrl + Minus</source>
        <translation>Ctrl + Moins</translation>
    </message>
    <message>
        <source>Usual text size</source>
        <translation>Taille de texte habituelle</translation>
    </message>
    <message>
        <source>Ctrl + 0</source>
        <translation>Ctrl + 0</translation>
    </message>
    <message>
        <source>Choose one of my sessions</source>
        <translation>Choisir une de mes séances</translation>
    </message>
    <message>
        <source>Alt + M (on the issue list)</source>
        <translation>Alt + M (sur la liste des sujets)</translation>
    </message>
    <message>
        <source>Manage my sessions</source>
        <translation>Gérer mes séances</translation>
    </message>
    <message>
        <source>Alt + G (on the issue list)</source>
        <translation>Alt + G (sur la liste des sujets)</translation>
    </message>
</context>
<context>
    <name>mindrova::frmVoice</name>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Moteur vocal</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <translation>%1 (non installé)</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>&amp;Speak a sample</source>
        <translation>Écouter un e&amp;xemple</translation>
    </message>
    <message>
        <source>Speak a sample</source>
        <translation>Écouter un exemple</translation>
    </message>
    <message>
        <source>Spoken guidance notice</source>
        <translation>Information sur le guidage vocal</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Engine:</source>
        <translation>&amp;Moteur vocal&#xa0;:</translation>
    </message>
    <message>
        <source>V&amp;oice:</source>
        <translation>&amp;Voix&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>&amp;Débit&#xa0;:</translation>
    </message>
    <message>
        <source>Vo&amp;lume:</source>
        <translation>Vo&amp;lume&#xa0;:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>%1 (not available)</source>
        <translation>%1 (non disponible)</translation>
    </message>
    <message>
        <source>no speech engine started</source>
        <translation>aucun moteur vocal n&apos;a démarré</translation>
    </message>
    <message>
        <source>No voice could speak: %1</source>
        <translation>Aucune voix n&apos;a pu parler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Breathe slowly and gently tap the indicated points. This is how your guidance will sound.</source>
        <translation>Respire lentement et tapote doucement les points indiqués. Voici comment sonnera ton guidage.</translation>
    </message>
</context>
</TS>
