"""The words of one translation file, checked against the lists kept beside it.

glossary_<lang>.tsv (UTF-8, tab-separated columns term, translation, note; lines starting with #
are comments) names the terms that must read the same everywhere: a point's name, the SUD scale,
tapping, the set-up statement, the speech engine, the key names. For every entry whose English
text holds a term (whole words, any case, the mnemonic '&' left out), each translation must hold
the glossary's translation as whole words. Where a language inflects or compounds the word, the
note says `stem: WORD` (up to a ';' or the note's end), and the translation must then hold WORD
anywhere (any case): "stem: golpe" lets "golpecitos" and "golpeteo" through, "stem: Punkt" lets
"Handkantenpunkt" through. Where the English word means something else in one text ("Take as much
space as you can"), the note names that text: `except "Take as much space as you can. ..."` (the
whole English text, once per text).
A term listed twice is a term translated two ways; a term no English text holds is a stale row.

gendered_<lang>.txt holds one pair a line, `masculine<TAB>feminine`. A pair may be several words
where one word alone is also used otherwise ("siento solo", as "solo" also means "only"). No
entry of the session's own texts may use either form: those texts are lines the user says in the
first person or is told, and each must fit anyone who reads it. The session's texts are the
entries of the translation contexts below: the phrase blocks and set-up statements, the steps'
instructions and names, the rating lines and the spoken announcements.

A text that names a button or menu item by its caption ("click the button 'Next'", "choose Save",
"see Journal... in the menu") must name it by the caption's own translation, so that the user finds
the words on the screen. Captions are the texts of the windows' contexts that carry a mnemonic or
end in an ellipsis; a text names one when the caption follows a quote mark, "button ", "choose " or
"or ", or, for a caption ending in an ellipsis, anywhere.

A caption with a mnemonic keeps one in each translation, and a text without one gains none: the
window's Alt keys, and the shortcuts list that names them, depend on it.
"""
import os
import re
import tempfile
import xml.etree.ElementTree as ET

SESSION_CONTEXTS = ("Phrases", "Issues", "Steps", "Ratings", "Announcements")
LANGUAGE = re.compile(r"^mindrova_(\w+)\.ts$")
STEM = re.compile(r"\bstem:\s*([^;]+?)\s*(?:;|$)")
EXCEPT = re.compile(r'\bexcept\s+"([^"]*)"')


def plain(text):
    """The text as read: without the mnemonic marker ('&&' stays one '&')."""
    return re.sub(r"&(&?)", r"\1", text or "")


def words(phrase):
    return re.compile(r"(?<!\w)" + re.escape(phrase) + r"(?!\w)", re.IGNORECASE)


def messages(path):
    """[(context, source, [translations])] of the finished entries of one .ts file."""
    found = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("obsolete", "vanished"):
                continue
            forms = translation.findall("numerusform")
            texts = [form.text or "" for form in forms] if forms else [translation.text or ""]
            found.append((name, message.findtext("source") or "", texts))
    return found


def read_rows(path, columns):
    """[(line number, [cells])] of a tab-separated list, comments and blank lines left out."""
    rows = []
    with open(path, encoding="utf-8") as listing:
        for number, line in enumerate(listing, 1):
            line = line.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            cells = line.split("\t")
            rows.append((number, cells + [""] * (columns - len(cells))))
    return rows


def glossary_faults(path, glossary, entries):
    faults = []
    seen = {}
    for number, cells in read_rows(glossary, 3):
        where = "%s:%d" % (glossary, number)
        term, translation, note = (cell.strip() for cell in cells[:3])
        if len(cells) > 3 or not term or not translation:
            faults.append("%s: a glossary row is term<TAB>translation<TAB>note" % where)
            continue
        if term.lower() in seen:
            faults.append("%s: the term %r is translated two ways (%r here, %r on line %d)"
                          % (where, term, translation, seen[term.lower()][1],
                             seen[term.lower()][0]))
            continue
        seen[term.lower()] = (number, translation)
        stem = STEM.search(note)
        wanted = (re.compile(re.escape(stem.group(1)), re.IGNORECASE) if stem
                  else words(translation))
        exempt = set(EXCEPT.findall(note))
        holds = words(term)
        used = False
        for context, source, texts in entries:
            if not holds.search(plain(source)):
                continue
            used = True
            if source in exempt:
                continue
            for text in texts:
                if not wanted.search(plain(text)):
                    faults.append("%s: glossary term %r is not %r in [%s] %r -> %r"
                                  % (path, term, stem.group(1) if stem else translation,
                                     context, source, text))
        if not used:
            faults.append("%s: the term %r is in no text of the program" % (where, term))
    return faults


def gendered_faults(path, gendered, entries):
    faults = []
    pairs = []
    for number, cells in read_rows(gendered, 2):
        if len(cells) != 2 or not cells[0].strip() or not cells[1].strip():
            faults.append("%s:%d: a line is masculine<TAB>feminine" % (gendered, number))
            continue
        pairs.append([cell.strip() for cell in cells])
    for context, source, texts in entries:
        if context not in SESSION_CONTEXTS:
            continue
        for text in texts:
            for pair in pairs:
                for form in pair:
                    if words(form).search(plain(text)):
                        faults.append("%s: %r only fits one gender (%s / %s) in [%s] %r -> %r"
                                      % (path, form, pair[0], pair[1], context, source, text))
    return faults


def bare(caption):
    """A caption as a text names it: no mnemonic, no trailing colon or ellipsis."""
    text = plain(caption).rstrip(":")
    for ellipsis in ("...", "\u2026"):
        if text.endswith(ellipsis):
            return text[:-len(ellipsis)], True
    return text, False


def mnemonics(text):
    """How many mnemonic markers a text holds ('&&' is a plain '&')."""
    return len(re.findall(r"&(?!&)", re.sub(r"&&", "", text or "")))


def mnemonic_faults(path, entries):
    faults = []
    for context, source, texts in entries:
        wanted = min(mnemonics(source), 1)
        for text in texts:
            if min(mnemonics(text), 2) != wanted:
                faults.append("%s: [%s] %r has %d mnemonic(s), its translation %r %d"
                              % (path, context, source, wanted, text, mnemonics(text)))
    return faults


def caption_faults(path, entries):
    captions = {}
    for context, source, texts in entries:
        if context.startswith("mindrova::") and ("&" in source or bare(source)[1]):
            english, ellipsis = bare(source)
            found = captions.setdefault(english, [ellipsis, set()])
            found[0] = found[0] or ellipsis
            found[1].add(bare(texts[0])[0])
    faults = []
    for context, source, texts in entries:
        for english, (ellipsis, translated) in captions.items():
            if bare(source)[0] == english:
                continue
            named = (r"(?:['\"\u201c\u2018]|\bbutton |\bchoose |\bor )" + re.escape(english)
                     + r"(?!\w)")
            if ellipsis:
                named += "|" + r"(?<!\w)" + re.escape(english) + r"(?:\.\.\.|\u2026)"
            if not re.search(named, plain(source)):
                continue
            for text in texts:
                if not any(caption in plain(text) for caption in translated):
                    faults.append("%s: [%s] %r names the caption %r, and its translation %r does "
                                  "not name it as translated (%s)"
                                  % (path, context, source, english, text,
                                     " or ".join(sorted(translated))))
    return faults


def check(path):
    """The faults in the words of one mindrova_<lang>.ts."""
    folder, name = os.path.split(path)
    language = LANGUAGE.match(name)
    if language is None:
        return ["%s: not named mindrova_<language>.ts, so its lists cannot be found" % path]
    entries = messages(path)
    faults = caption_faults(path, entries) + mnemonic_faults(path, entries)
    glossary = os.path.join(folder, "glossary_%s.tsv" % language.group(1))
    gendered = os.path.join(folder, "gendered_%s.txt" % language.group(1))
    if not os.path.isfile(glossary):
        faults.append("%s: no glossary %s beside it" % (path, os.path.basename(glossary)))
    else:
        faults += glossary_faults(path, glossary, entries)
    if os.path.isfile(gendered):
        faults += gendered_faults(path, gendered, entries)
    return faults


# The self-test: a sound Spanish file and its lists, and one fault planted in each other row.
SOUND_MESSAGES = {
    "Steps": [("Top Head", "Coronilla"),
              ("Continue tapping.", "Sigue dando golpecitos."),
              ("Take as much space as you can.", "Ocupa todo el sitio que puedas."),
              ("Press space.", "Pulsa Espacio."),
              ("Tired", "Con cansancio"),
              ("Click button Next when you are ready.",
               "Haz clic en «Siguiente» cuando quieras."),
              ("Then see Journal... in the menu.", "Luego consulta «Diario...» en el menú.")],
    "mindrova::frmMain": [("&Pause tapping", "&Pausar el golpeteo"),
                          ("&Next", "&Siguiente"),
                          ("Journal...", "Diario..."),
                          ("Tired", "Cansado")],
    "Phrases": [("I am so tired.", "Me siento sin fuerzas.")],
}
SOUND_GLOSSARY = ("# term\ttranslation\tnote\n"
                  "Top Head\tCoronilla\t\n"
                  "tapping\tgolpecitos\tstem: golpe\n"
                  'space\tEspacio\tthe key; except "Take as much space as you can."\n')
SOUND_GENDERED = "cansado\tcansada\nsiento solo\tsiento sola\n"


def replaced(context, source, translation):
    """The sound messages with one translation changed (or an entry added)."""
    changed = {name: list(items) for name, items in SOUND_MESSAGES.items()}
    items = changed.setdefault(context, [])
    for index, (english, _) in enumerate(items):
        if english == source:
            items[index] = (source, translation)
            return changed
    items.append((source, translation))
    return changed


def ts_text(messages_by_context):
    def escape(text):
        return text.replace("&", "&amp;").replace("<", "&lt;")
    body = "".join(
        "<context><name>%s</name>%s</context>\n"
        % (context, "".join("<message><source>%s</source><translation>%s</translation></message>"
                            % (escape(source), escape(translation))
                            for source, translation in items))
        for context, items in messages_by_context.items())
    return ('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
            '<TS version="2.1" language="es_ES">\n' + body + "</TS>\n")


# name: (messages, glossary text or None for none, gendered text, a word of the fault or None)
SELF_TEST_ROWS = {
    "sound": (SOUND_MESSAGES, SOUND_GLOSSARY, SOUND_GENDERED, None),
    "a term translated another way": (
        replaced("Steps", "Top Head", "Parte superior de la cabeza"), SOUND_GLOSSARY,
        SOUND_GENDERED, "is not 'Coronilla'"),
    "a stem missing from an inflected form": (
        replaced("mindrova::frmMain", "&Pause tapping", "&Pausar los toques"), SOUND_GLOSSARY,
        SOUND_GENDERED, "is not 'golpe'"),
    "the glossary word only inside another word": (
        replaced("Steps", "Press space.", "Pulsa Espaciosamente."), SOUND_GLOSSARY,
        SOUND_GENDERED, "is not 'Espacio'"),
    "a term in a new text of the program": (
        replaced("Steps", "Tapping points", "Puntos de toque"), SOUND_GLOSSARY, SOUND_GENDERED,
        "is not 'golpe'"),
    "a term listed twice": (
        SOUND_MESSAGES, SOUND_GLOSSARY + "top head\tCabeza\t\n", SOUND_GENDERED,
        "translated two ways"),
    "a term in no text": (
        SOUND_MESSAGES, SOUND_GLOSSARY + "Collarbone\tClavícula\t\n", SOUND_GENDERED,
        "in no text"),
    "a row without its translation": (
        SOUND_MESSAGES, SOUND_GLOSSARY + "Chin\n", SOUND_GENDERED, "a glossary row is"),
    "no glossary": (SOUND_MESSAGES, None, SOUND_GENDERED, "no glossary"),
    "a masculine form in a phrase": (
        replaced("Phrases", "I am so tired.", "Estoy tan cansado."), SOUND_GLOSSARY,
        SOUND_GENDERED, "only fits one gender"),
    "a feminine form in a phrase": (
        replaced("Phrases", "I am so tired.", "Estoy tan cansada."), SOUND_GLOSSARY,
        SOUND_GENDERED, "only fits one gender"),
    "a two-word form in a phrase": (
        replaced("Phrases", "I feel alone.", "Me siento solo."), SOUND_GLOSSARY,
        SOUND_GENDERED, "only fits one gender"),
    "a gendered form in an instruction": (
        replaced("Steps", "Tired", "Cansado"), SOUND_GLOSSARY, SOUND_GENDERED,
        "only fits one gender"),
    "a button named otherwise than its caption": (
        replaced("Steps", "Click button Next when you are ready.",
                 "Haz clic en «Continuar» cuando quieras."), SOUND_GLOSSARY, SOUND_GENDERED,
        "names the caption 'Next'"),
    "a menu item named otherwise than its caption": (
        replaced("Steps", "Then see Journal... in the menu.",
                 "Luego consulta «Registro» en el menú."),
        SOUND_GLOSSARY, SOUND_GENDERED, "names the caption 'Journal'"),
    "a caption translated anew, its mention left behind": (
        replaced("mindrova::frmMain", "&Next", "&Continuar"), SOUND_GLOSSARY, SOUND_GENDERED,
        "names the caption 'Next'"),
    "a mnemonic dropped": (
        replaced("mindrova::frmMain", "&Pause tapping", "Pausar el golpeteo"), SOUND_GLOSSARY,
        SOUND_GENDERED, "mnemonic"),
    "a mnemonic added": (
        replaced("mindrova::frmMain", "Journal...", "&Diario..."), SOUND_GLOSSARY,
        SOUND_GENDERED, "mnemonic"),
    "two mnemonics in one caption": (
        replaced("mindrova::frmMain", "&Next", "&Sig&uiente"), SOUND_GLOSSARY, SOUND_GENDERED,
        "mnemonic"),
    "a gendered line without its pair": (
        SOUND_MESSAGES, SOUND_GLOSSARY, SOUND_GENDERED + "harto\n", "masculine<TAB>feminine"),
}


def self_test():
    failures = []
    for name, (messages_by_context, glossary, gendered, expected) in SELF_TEST_ROWS.items():
        with tempfile.TemporaryDirectory() as scratch:
            path = os.path.join(scratch, "mindrova_es.ts")
            with open(path, "w", encoding="utf-8") as out:
                out.write(ts_text(messages_by_context))
            if glossary is not None:
                with open(os.path.join(scratch, "glossary_es.tsv"), "w", encoding="utf-8") as out:
                    out.write(glossary)
            with open(os.path.join(scratch, "gendered_es.txt"), "w", encoding="utf-8") as out:
                out.write(gendered)
            faults = check(path)
        if expected is None and faults:
            failures.append("%s: unexpected faults %s" % (name, faults))
        if expected is not None and not any(expected in fault for fault in faults):
            failures.append("%s: not found (got %s)" % (name, faults))
    for failure in failures:
        print("self-test (wording):", failure)
    return 1 if failures else 0
