#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: documents of realistic size for fuzz_model_documents
and profile archives, as the export writes them and in older or unusual shapes, for fuzz_zip_import.

    fuzz/make_corpus.py [output folder]     (default: fuzz/corpus next to this script)
"""
import hashlib
import pathlib
import sys
import warnings
import zipfile

HERE = pathlib.Path(__file__).resolve().parent
RESOURCES = HERE.parent / "resources" / "documents"

MODIFIER_INPUTS = ["Editable Poly", "Edit Poly", "Unwrap UVW", "No modifier"]
LEVELS = ["vertex", "edge", "border", "polygon", "element", "objects"]
MODIFIER_BYTES = [3, 7, 11, 19, 15, 23, 27, 31]


def doc_id(seed):
    return hashlib.md5(seed.encode()).hexdigest()


def properties(name, ident, version, extra=""):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<properties name="{name}" id="{ident}" version="{version}" time="17000000001234567"{extra}/>\n')


def action(n, script_ids):
    kind = n % 4
    if kind == 0:
        return (f'<action group="Editable Polygon Object" category="Editable Polygon" action="Chamfer {n}" '
                f'tableId="1297780225" actionId="{100 + n}"/>')
    if kind == 1:
        return (f'<action group="Main UI" category="All Commands" action="Select Ring" macroCategory="PolyTools" '
                f'macroInternalCategory="PolyTools" macroName="SelectRing{n}" macroFileName="poly.mcr" '
                f'macroId="{n}" tooltip="Select the ring"/>')
    if kind == 2:
        return f'<action group="Custom Code" maxscript="{script_ids[n % len(script_ids)]}"/>'
    return '<action group="Original key behavior"/>'


def function_document(index, kind, script_ids, inputs, levels, presses):
    ident = doc_id(f"function {index}")
    lines = [properties(f"Function {index}", ident, 1003, f' dependent="{kind}" forcevi="{index % 2}"'),
             "<talvofunction>"]
    n = index
    for input_type in inputs + ["Override Mode"]:
        glob = "1" if input_type == "Override Mode" else "0"
        lines.append(f'\t<input type="{input_type}" global="{glob}">\n\t\t<modes>')
        for level in (["global"] if glob == "1" else levels):
            lines.append(f'\t\t\t<mode name="{level}">')
            for count in range(4 if glob == "0" else 1):
                lines.append(f'\t\t\t\t<selection count="{count}">')
                for byte in MODIFIER_BYTES[: 2 + count]:
                    lines.append(f'\t\t\t\t\t<modifiers value="{byte}">')
                    for press in range(1, presses + 1):
                        n += 1
                        body = action(n, script_ids) if n % 5 else ""
                        lines.append(f'\t\t\t\t\t\t<press count="{press}">{body}</press>')
                    lines.append("\t\t\t\t\t</modifiers>")
                lines.append("\t\t\t\t</selection>")
            lines.append("\t\t\t</mode>")
        lines.append("\t\t</modes>\n\t</input>")
    lines.append("</talvofunction>")
    return ident, "\n".join(lines) + "\n"


def old_function_document():
    """Version 1000: actions directly under modifiers with a press attribute, and an embedded script."""
    return (properties("Old Cut", doc_id("old"), 1000, ' dependent="1100" forcevi="0"') +
            '<talvofunction>\n\t<input type="Editable Poly" global="0">\n\t\t<modes>\n\t\t\t<mode name="edge">\n'
            '\t\t\t\t<selection count="1">\n\t\t\t\t\t<modifiers value="0">\n'
            '\t\t\t\t\t\t<action press="1" group="Editable Polygon Object" category="Editable Polygon" '
            'action="Cut" tableId="1297780225" actionId="7"/>\n'
            '\t\t\t\t\t\t<action press="2" group="Custom Code" script="polyop.setEdgeSelection $ #{1..4}&#10;redrawViews()"/>\n'
            '\t\t\t\t\t</modifiers>\n\t\t\t\t</selection>\n\t\t\t</mode>\n\t\t</modes>\n\t</input>\n</talvofunction>\n')


def scripts_document(count):
    ids = [doc_id(f"script {i}") for i in range(count)]
    lines = [properties("TalvoCustomScripts", "000000", 1000), "<talvocustomscripts>"]
    for i, ident in enumerate(ids):
        body = f"for o in selection do (&#10;\tpolyop.bevel o #{{{i}}} {i}.5&#10;)&#10;print &quot;done&quot;"
        lines.append(f'\t<script id="{ident}" name="Script {i}" body="{body}"/>')
    lines.append("</talvocustomscripts>")
    return ids, "\n".join(lines) + "\n"


def export_scripts(ids):
    lines = ["<talvoexportscripts>"]
    lines += [f'\t<script id="{ident}" name="Exported {i}" body="box()&#10;sphere()"/>' for i, ident in enumerate(ids)]
    return "\n".join(lines) + "\n</talvoexportscripts>\n"


def profile_document(name, function_ids):
    lines = [properties(name, doc_id(name), 1000, ' layout="US-ANSI"'), "<talvoprofile>"]
    for key in range(0, 104, 2):
        function = function_ids[key % len(function_ids)] if key % 7 else ""
        lines.append(f'\t<assignment key="{key}" virt="{48 + key % 60}" function="{function}" '
                     f'open="{key % 3 == 0:d}" learning="{key % 5 == 0:d}"/>')
    lines.append('\t<visualassignment key="40"/>')
    lines.append("</talvoprofile>")
    return "\n".join(lines) + "\n"


def write(folder, name, data):
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data if isinstance(data, bytes) else data.encode())


def archive(entries, method=zipfile.ZIP_DEFLATED):
    import io
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", method) as zf:
        for name, text in entries:
            info = zipfile.ZipInfo(name, date_time=(2024, 1, 1, 0, 0, 0))
            info.compress_type = method
            zf.writestr(info, text)
    return buffer.getvalue()


def main():
    warnings.filterwarnings("ignore", "Duplicate name")  # a function on two keys is stored twice on purpose
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else HERE / "corpus"
    script_ids, scripts = scripts_document(24)
    functions = [
        function_document(1, 1108, script_ids, MODIFIER_INPUTS[:2], LEVELS[:4], 2),
        function_document(2, 1107, script_ids, MODIFIER_INPUTS, LEVELS[:3], 1),
        function_document(3, 1106, script_ids, ["MultiTap"], ["global"], 4),
        function_document(4, 1103, script_ids, ["3DSMax Classic"], ["global"], 1),
        function_document(5, 1102, script_ids, ["Edit Poly"], LEVELS, 1),
    ]
    function_ids = [ident for ident, _ in functions]
    profile = profile_document("Modelling", function_ids)
    exported = functions[0][1] + export_scripts(script_ids[:3])

    documents = out / "model_documents"
    for i, (_, text) in enumerate(functions):
        write(documents, f"function_{i + 1}.xml", text)
    write(documents, "function_exported.xml", exported)
    write(documents, "function_old.xml", old_function_document())
    write(documents, "profile.xml", profile)
    write(documents, "custom_scripts.xml", scripts)
    for resource in sorted(RESOURCES.rglob("*.xml")):
        write(documents, resource.name, resource.read_bytes())

    archives = out / "zip_import"
    exported_entries = [("Modelling.xml", profile)]
    exported_entries += [(f"{ident}.xml", text) for ident, text in functions]
    exported_entries.append(("TalvoCustomScripts.xml", scripts))
    write(archives, "export.zip", archive(exported_entries))
    write(archives, "export_stored.zip", archive(exported_entries[:3], zipfile.ZIP_STORED))
    # A function on two keys is stored twice; an old function and a folder entry.
    write(archives, "repeated_function.zip",
          archive([("Modelling.xml", profile), ("a.xml", functions[2][1]), ("a.xml", functions[2][1])]))
    write(archives, "old_function.zip", archive([("Functions/Old Cut.xml", old_function_document()),
                                                 ("readme.txt", "not a document")], zipfile.ZIP_STORED))
    write(archives, "scripts_only.zip", archive([("TalvoCustomScripts.xml", scripts)]))


if __name__ == "__main__":
    main()
