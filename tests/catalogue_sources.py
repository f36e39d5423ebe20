#!/usr/bin/env python3
# Usage: catalogue_sources.py LUPDATE SOURCE_DIR
# The catalogue sources (translations/*.ts) hold exactly the messages lupdate finds
# in the code (same contexts, sources and comments), each translated with the same
# placeholders and final line feed; the product catalogue holds the context
# "DUVAIdent" only, the tool catalogue every other one.
import re, subprocess, sys, tempfile
import xml.etree.ElementTree as ET


def messages(path):
    """(context, source, comment), translation text and type of every message."""
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            key = (context.findtext("name") or "", message.findtext("source") or "", message.findtext("comment") or "")
            yield key, translation.text or "", translation.get("type", "")


def placeholders(text):
    return set(re.findall(r"%[0-9]+", text))


lupdate, source_dir = sys.argv[1:3]
failures, committed = [], []
for name, product in (("prjmigr_fr.ts", False), ("duvaident_fr.ts", True)):
    for key, text, kind in messages(f"{source_dir}/translations/{name}"):
        where = f"{name}: {key}"
        if (key[0] == "DUVAIdent") != product:
            failures.append(f"{where}: belongs to the other catalogue")
        if kind or not text:
            failures.append(f"{where}: not translated ({kind or 'empty'})")
        if placeholders(text) != placeholders(key[1]):
            failures.append(f"{where}: other placeholders in {text!r}")
        if text.endswith("\n") != key[1].endswith("\n"):
            failures.append(f"{where}: another final line feed in {text!r}")
        committed.append(key)
if len(set(committed)) != len(committed):
    failures.append("a message is listed twice")

with tempfile.TemporaryDirectory() as folder:
    subprocess.run([lupdate, "-silent", "-locations", "none", f"{source_dir}/src", "-ts", f"{folder}/code.ts"],
                   check=True)
    extracted = {key for key, _, _ in messages(f"{folder}/code.ts")}
if not extracted:
    failures.append("lupdate found no message in the code")
failures += [f"not in the catalogue sources: {key}" for key in sorted(extracted - set(committed))]
failures += [f"no longer in the code: {key}" for key in sorted(set(committed) - extracted)]
sys.exit("\n".join(failures) or None)
