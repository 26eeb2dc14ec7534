#!/usr/bin/env python3
"""The program's translations in i18n/: brings them up to date, or checks them.

    translations.py update [--lupdate PATH]
        Runs Qt's lupdate over the sources into i18n/vorns_en.ts and
        i18n/vorns_de.ts (every text) and i18n/vorns_fr.ts (the French plural
        forms of the source texts that carry a count, %n). New texts come in
        unfinished; texts no longer in the sources are dropped.

    translations.py check [--lupdate PATH]
        Does the same into temporary copies and fails, naming each message,
        when a text of the sources has no finished translation, when the
        committed files hold texts the sources no longer have (run "update"),
        when a translation drops or adds a placeholder (%1, %L1, %n), when a
        plural lacks a form, or when a translation is the untranslated source:
        the same French text in English or German, or an English source text
        left as it is in German. A translation may be the same text as its
        source where that is right (a symbol, a name): its translator comment
        then begins with "same".

The sources are read by lupdate: tr() in classes, Q_DECLARE_TR_FUNCTIONS,
QCoreApplication::translate, QT_TR_NOOP and QT_TRANSLATE_NOOP. Exits 1 on a
finding, 2 when lupdate fails.
"""
import argparse
import collections
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent
I18N = ROOT / "i18n"
# The folders whose texts a person reads (the tests, the benchmark and the fuzzer are not).
SOURCES = ["platform", "text", "settings", "datafile", "analysis", "fit", "charts", "report", "plot", "session", "share",
           "cli", "app", "tools"]
# Each file with its language and whether it holds only the plural forms.
FILES = {"vorns_en.ts": ("en", False), "vorns_de.ts": ("de", False), "vorns_fr.ts": ("fr", True)}
PLURAL_FORMS = {"en": 2, "de": 2, "fr": 2}
# What lupdate says of C++ it does not follow, nothing to do with a text.
BENIGN = ("Ignoring definition of undeclared qualified class", "Qualifying with unknown namespace/class")
PLACEHOLDER = re.compile(r"%L?(?:[1-9][0-9]?|n)")
# Words that read the same in every language: symbols, units, names, formats.
NEUTRAL = {
    "vorns", "tau", "lambda", "chi2", "max", "min", "ns", "µs", "μs", "decay", "csv", "png", "svg", "pdf",
    "json", "sha", "fermi", "birge", "poisson", "newton", "run", "runs", "sigma", "rho", "xmax", "ymax",
}
FRENCH = re.compile(
    r"[àâçéèêëîïôûùüœ«»]|\b(le|la|les|des|du|une|est|pas|aucun|aucune|sur|dans|avec|sans|pour|par|ou|au|aux|et|"
    r"ni|que|qui|ce|cette|ces|son|sa|ses|leur|fichier|ligne|lignes|classe|enregistrement|enregistrements|"
    r"fenêtre|taux|trou|trous|tranche|tranches|fond|ajustement|ajusté|valeur|seul|moyen|moyenne|début|fin|jour|"
    r"jours|heures|secondes|unité|unités|temps|actif|bande|écart|hors|choisir|ajouter|retirer|exclure|exclu|"
    r"rapport|imprimer|commentaire|enregistrer|quitter|annuler|ouvrir|aide|largeur|échelle|effectifs|modèle|"
    r"méthode|matière|arrêtée|depuis|dernier|première|dernière|lisible|illisible|attendu|données)\b",
    re.IGNORECASE)


def lupdate_command(lupdate):
    if lupdate:
        return lupdate
    for candidate in ("/usr/lib/qt6/bin/lupdate", "lupdate-qt6", "lupdate"):
        found = shutil.which(candidate)
        if found:
            return found
    sys.exit("translations.py: lupdate not found (Debian: qt6-l10n-tools); give it with --lupdate")


def update(folder, lupdate):
    """Runs lupdate over the sources into the .ts files of `folder`; its warnings are findings."""
    warnings = []
    for name, (language, plurals_only) in FILES.items():
        command = [lupdate, "-silent", "-locations", "none", "-no-obsolete", "-no-ui-lines", "-extensions", "cpp,h",
                   "-source-language", "fr", "-target-language", language]
        if plurals_only:
            command.append("-pluralonly")
        command += [str(ROOT / s) for s in SOURCES if (ROOT / s).is_dir()]
        command += ["-ts", str(folder / name)]
        done = subprocess.run(command, capture_output=True, text=True)
        if done.returncode != 0:
            sys.stderr.write(done.stdout + done.stderr)
            sys.exit(2)
        for line in (done.stdout + done.stderr).splitlines():
            line = line.strip()
            if line and line not in warnings and not any(b in line for b in BENIGN):
                warnings.append(line)
    return warnings


def messages(path):
    """{(context, source, comment): (translation element, translator comment, numerus)} of a .ts file."""
    found = collections.OrderedDict()
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            key = (name, message.findtext("source") or "", message.findtext("comment") or "")
            found[key] = (message.find("translation"), message.findtext("translatorcomment") or "",
                          message.get("numerus") == "yes")
    return found


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def untranslated(source, text, language):
    """Why `text` is the untranslated `source` in `language`, or None."""
    if text != source:
        return None
    if FRENCH.search(source):
        return "the French source left as it is"
    if language == "de":
        words = {w.lower() for w in re.findall(r"[^\W\d_]{3,}", source)}
        if words - NEUTRAL:
            return "the source left as it is"
    return None


def check_file(name, language, plurals_only, updated, committed):
    """The findings of one file: `updated` is lupdate's output, `committed` the file in i18n/."""
    findings = []
    now, before = messages(updated), messages(committed)
    stale = [k for k in before if k not in now]
    if stale:
        findings.append(f"{name}: {len(stale)} text(s) no longer in the sources (run scripts/translations.py "
                        f"update), the first: {stale[0][0]}: {stale[0][1]!r}")
    for (context, source, _), (translation, note, numerus) in now.items():
        where = f"{name}: {context}: {source!r}"
        if plurals_only and not numerus:
            findings.append(f"{where}: not a plural, in the file of plural forms")
            continue
        if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
            findings.append(f"{where}: no finished translation")
            continue
        if numerus:
            forms = [f.text or "" for f in translation.iter("numerusform")]
            if len(forms) != PLURAL_FORMS[language]:
                findings.append(f"{where}: {len(forms)} plural forms, {PLURAL_FORMS[language]} wanted")
        else:
            forms = [translation.text or ""]
        for form in forms:
            if not form.strip():
                findings.append(f"{where}: an empty translation")
            elif placeholders(form) != placeholders(source):
                findings.append(f"{where}: placeholders {placeholders(form)} in {form!r}, "
                                f"{placeholders(source)} in the source")
            elif language != "fr" and not note.lower().startswith("same"):
                why = untranslated(source, form, language)
                if why:
                    findings.append(f"{where}: {why}")
    return findings


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("action", choices=["update", "check"])
    parser.add_argument("--lupdate")
    args = parser.parse_args()
    lupdate = lupdate_command(args.lupdate)
    if args.action == "update":
        for warning in update(I18N, lupdate):
            print(warning)
        return 0
    findings = []
    with tempfile.TemporaryDirectory() as work:
        work = pathlib.Path(work)
        for name in FILES:
            if (I18N / name).exists():
                shutil.copy(I18N / name, work / name)
        findings += [f"lupdate: {w}" for w in update(work, lupdate)]
        for name, (language, plurals_only) in FILES.items():
            if not (I18N / name).exists():
                findings.append(f"{name}: missing (run scripts/translations.py update)")
                continue
            findings += check_file(name, language, plurals_only, work / name, I18N / name)
    for finding in findings:
        print(finding)
    if findings:
        print(f"translations.py: {len(findings)} finding(s)")
        return 1
    print("translations.py: every text has its English, German and French plural translations")
    return 0


if __name__ == "__main__":
    sys.exit(main())
