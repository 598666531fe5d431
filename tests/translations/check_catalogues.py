#!/usr/bin/env python3
"""Checks the game's shipped catalogues (translations/peglore_*.ts).

Each message must be translated and current (no unfinished, vanished or
obsolete entry), and each translation must keep its source's placeholders
(%1, %n, %s, %d), accelerator marks (&), tool-tip separators (|) and line
breaks; a plural message needs one form for each plural of its language.
Prints one line per fault and exits 1 when there is any.
"""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:L?\d{1,2}|n|s|d)")
# Qt's plural rules: how many forms a plural message has in each language.
PLURAL_FORMS = {"cs": 3, "pl": 3, "ru": 3}


def marks(text):
    return {
        "placeholders": sorted(PLACEHOLDER.findall(text)),
        "accelerators": len(re.findall(r"&(?!&)", text.replace("&&", ""))),
        "separators": text.count("|"),
        "line breaks": text.count("\n"),
    }


def check(path):
    faults = []
    root = ET.parse(path).getroot()
    language = (root.get("language") or "").split("_")[0]
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{path}: {name}: {source!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind:
                faults.append(f"{where}: {kind}")
                continue
            if message.get("numerus") == "yes":
                forms = [form.text or "" for form in translation.findall("numerusform")]
                wanted = PLURAL_FORMS.get(language, 2)
                if len(forms) != wanted:
                    faults.append(f"{where}: {len(forms)} plural forms, {language} has {wanted}")
            else:
                forms = [translation.text or ""]
            for form in forms:
                if not form.strip():
                    faults.append(f"{where}: empty translation")
                    continue
                want, have = marks(source), marks(form)
                for what in want:
                    if want[what] != have[what]:
                        faults.append(f"{where}: {what} {want[what]} become {have[what]} in {form!r}")
    return faults


def main():
    faults = [fault for path in sys.argv[1:] for fault in check(path)]
    for fault in faults:
        print(fault)
    return 1 if faults or len(sys.argv) < 2 else 0


if __name__ == "__main__":
    sys.exit(main())
