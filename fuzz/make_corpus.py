#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets from texts the project already
uses: examples/sample.tsv (type and text per line), the hostile texts of
tests/tools/registry/HostileTextTest.cpp and the number rows of
tests/platform/FloatReaderTest.cpp. Run from anywhere; rewrites the generated files of fuzz/corpus/.

  property/      "TYPE\\nTEXT" (see tools/PropertyInput.h)
  float_reader/  a number text, one byte per unit
  lint/          an XML document: the bundled ones and the small ones below
  fix/           the same documents, and the bundled ones with a byte-order
                 mark and CR LF line ends
"""
import hashlib
import pathlib
import re

root = pathlib.Path(__file__).resolve().parent.parent
corpus = root / "fuzz" / "corpus"


def unescape(text):
    return re.sub(r"\\(.)", lambda m: {"s": " ", "t": "\t", "n": "\n", "r": "\r"}.get(m.group(1), m.group(1)), text)


def c_literals(path, prefix):
    """The string literals of a C++ source that start with prefix (L" or ")."""
    source = path.read_text(encoding="utf-8")
    pattern = re.escape(prefix) + r'((?:[^"\\]|\\.)*)"'
    for match in re.finditer(pattern, source):
        yield c_unescape(match.group(1))


def c_unescape(text):
    """A C++ literal's escapes: \\n \\t \\r \\0 \\" \\\\ \\xNN \\uNNNN."""
    simple = {"n": "\n", "t": "\t", "r": "\r", "0": "\0", '"': '"', "\\": "\\", "'": "'"}
    def one(match):
        escape = match.group(1)
        if escape[0] in "xu":
            code = int(escape[1:], 16)
            return chr(code) if not 0xD800 <= code <= 0xDFFF else "\ufffd"
        return simple.get(escape, escape)
    return re.sub(r"\\(x[0-9a-fA-F]+|u[0-9a-fA-F]{4}|.)", one, text)


def write(directory, data):
    directory.mkdir(parents=True, exist_ok=True)
    name = hashlib.sha1(data).hexdigest()[:16]
    (directory / name).write_bytes(data)


# Documents with the corners of XML that placing attributes must survive:
# CR LF and tabs, entities and references in values, single quotes, empty
# and odd style declarations, foreign prefixes, an unclosed element, nothing.
LINT_SEEDS = [
    b'<svg xmlns="http://www.w3.org/2000/svg" style="fill:red;;stroke-width : 1e-1 ;x" a:b="1">'
    b'<path d="M 1 1 5 3" transform="skew(5"/><rect x="1&#x20;" width=\' 2em\'/></svg>',
    b'<fo:root xmlns:fo="http://www.w3.org/1999/XSL/Format">\r\n<fo:block\tfont-size="12ptt"'
    b'\r\n margin="2em " xml:lang="en-US"></fo:root>',
    b'<!DOCTYPE svg [<!ENTITY w "10qq">]><svg xmlns="http://www.w3.org/2000/svg" width="&w;"/>',
    b"",
]


def main():
    # Rewrites the generated files (named by hash); files with names, such
    # as the inputs of past findings, stay.
    for old in corpus.glob("*/*"):
        if re.fullmatch(r"[0-9a-f]{16}", old.name):
            old.unlink()
    types = []
    for line in (root / "examples" / "sample.tsv").read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#") or "\t" not in line:
            continue
        columns = line.split("\t")
        types.append(columns[0])
        write(corpus / "property", (columns[0] + "\n" + unescape(columns[1])).encode("utf-8"))
    # Every hostile text once, against types taken in turn from the sample.
    distinct = sorted(set(types))
    for i, text in enumerate(c_literals(root / "tests" / "tools" / "registry" / "HostileTextTest.cpp", 'L"')):
        write(corpus / "property", (distinct[i % len(distinct)] + "\n" + text).encode("utf-8"))
    for text in c_literals(root / "tests" / "platform" / "FloatReaderTest.cpp", '{"'):
        write(corpus / "float_reader", text.encode("utf-8"))
    for document in sorted((root / "examples" / "documents").iterdir()):
        for target in ("lint", "fix"):
            write(corpus / target, document.read_bytes())
        write(corpus / "fix", b"\xef\xbb\xbf" + document.read_bytes().replace(b"\n", b"\r\n"))
    for document in LINT_SEEDS:
        for target in ("lint", "fix"):
            write(corpus / target, document)


if __name__ == "__main__":
    main()
