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
  lsp/           editor sessions with the language server, well-formed and not
                 (a mode byte, then the messages: see fuzz/lsp_fuzzer.cpp)
"""
import hashlib
import json
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
    # A stylesheet: constant, computed and brace-escaped literal values,
    # xsl:attribute text across nodes and lines, select literals, sets used
    # by elements and by sets, xsl:element, a simplified stylesheet.
    b'<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"'
    b' xmlns:fo="http://www.w3.org/1999/XSL/Format"><xsl:attribute-set name="s" use-attribute-sets="t">'
    b'<xsl:attribute name="font-size">9ptt</xsl:attribute></xsl:attribute-set><xsl:attribute-set name="t">'
    b'<xsl:attribute name="width">1qq</xsl:attribute></xsl:attribute-set><xsl:template match="/">'
    b'<fo:block font-size="{$s}" end-indent="{{1em}}" margin="2em " xsl:use-attribute-sets="s">'
    b'<xsl:attribute name="margin-left">2em\r\n <xsl:text>&#x20;</xsl:text></xsl:attribute>'
    b'<xsl:attribute name="color" select="\'rgb(10%,0,0)\'"/><xsl:attribute name="x{1}">1</xsl:attribute>'
    b'<xsl:attribute name="xml:lang"><!-- c --><![CDATA[e n]]></xsl:attribute></fo:block>'
    b'<xsl:element name="fo:table"><xsl:attribute name="width"/></xsl:element></xsl:template></xsl:stylesheet>',
    b'<fo:root xmlns:fo="http://www.w3.org/1999/XSL/Format" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"'
    b' xsl:version="1.0" font-size="12ptt}"><xsl:attribute name="font-size">',
]


# Language server sessions. The first byte of each: bit 0 splits the rest at
# "\n" into bodies the harness frames (an empty one publishes), else the rest
# is the raw stream; bits 1-2 the harness's initialize (0 none, 1 UTF-16,
# 2 UTF-8, 3 UTF-32 and plain text); bits 3-4 the raw stream's pieces.
FO_URI = "file:///report.fo"
SVG_URI = "file:///drawing.svg"
XSL_URI = "file:///block.xsl"
XSL_TEXT = (
    '<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"\n'
    '  xmlns:fo="http://www.w3.org/1999/XSL/Format">\n'
    '<xsl:template match="/"><fo:block font-size="{$s}" margin="2em ">\n'
    '<xsl:attribute name="font-weight">bolder </xsl:attribute>\n'
    '<xsl:attribute name="space-before"><xsl:text>1.5cm </xsl:text></xsl:attribute>\n'
    '</fo:block></xsl:template></xsl:stylesheet>\n'
)
FO_TEXT = (
    '<fo:root xmlns:fo="http://www.w3.org/1999/XSL/Format">\n'
    '<fo:block font-size="12ptt" margin="2em " text-align="justify">H\u00e9 \U0001d11e</fo:block>\n'
    '<fo:block color="#1f3864" space-before="1.5cm">ok</fo:block>\n'
    "</fo:root>\n"
)
SVG_TEXT = (
    '<svg xmlns="http://www.w3.org/2000/svg">\n'
    '<!-- \U0001f600 --><rect x="1e1" width=" 2em" style="fill:red;stroke-width : 1e-1 ;x"/>\n'
    '<path d="M 1 1 5 3" transform="skew(5" stroke-linecap="butt"/>\n'
    "</svg>\n"
)


def body(method, params=None, id=None, version="2.0"):
    message = {"jsonrpc": version} if version is not None else {}
    if id is not None:
        message["id"] = id
    message["method"] = method
    if params is not None:
        message["params"] = params
    return json.dumps(message, separators=(",", ":"), ensure_ascii=False).encode("utf-8")


def position(text, needle, encoding, after=0):
    """The position of the first byte after `after` characters of needle in text."""
    offset = text.index(needle) + after
    before = text[:offset]
    line = before.count("\n")
    start = before[before.rfind("\n") + 1:]
    units = {"utf-8": len(start.encode("utf-8")), "utf-16": len(start.encode("utf-16-le")) // 2,
             "utf-32": len(start)}[encoding]
    return {"line": line, "character": units}


def span(text, needle, encoding, length=None):
    return {"start": position(text, needle, encoding),
            "end": position(text, needle, encoding, len(needle) if length is None else length)}


def doc(uri, **more):
    return {"textDocument": dict(uri=uri, **more)}


def at(uri, text, needle, encoding, after=1):
    return dict(doc(uri), position=position(text, needle, encoding, after))


def lsp_seeds():
    fo, svg = FO_TEXT, SVG_TEXT
    # A session on an XSL-FO report, positions in UTF-16.
    e = "utf-16"
    fixed = fo.replace("12ptt", "12pt")
    yield 1 | 1 << 1, [
        body("textDocument/didOpen", doc(FO_URI, languageId="xml", version=1, text=fo)), b"",
        body("textDocument/didChange", dict(doc(FO_URI, version=2), contentChanges=[
            {"range": span(fo, "t\" margin", e, 1), "text": ""}])), b"",
        body("textDocument/hover", at(FO_URI, fixed, '12pt"', e), id=1),
        body("textDocument/completion", at(FO_URI, fixed, 'justify"', e, 3), id=2),
        body("textDocument/codeAction", dict(doc(FO_URI), range=span(fixed, "2em ", e),
                                             context={"diagnostics": []}), id=3),
        body("textDocument/codeAction", dict(doc(FO_URI), range=span(fixed, "<fo:root", e, 0),
                                             context={"diagnostics": [], "only": ["source"]}), id="all"),
        body("textDocument/didChange", dict(doc(FO_URI, version=3), contentChanges=[
            {"range": span(fixed, 't" margin', e, 0), "text": "t"}])),
        body("$/cancelRequest", {"id": 3}),
        body("textDocument/hover", at(FO_URI, fo, "1.5cm", e), id=4),
        body("textDocument/codeAction", dict(doc(FO_URI), range=span(fo, "12ptt", e),
                                             context={"diagnostics": []}), id=5),
        body("textDocument/didClose", doc(FO_URI)),
        body("shutdown", id=6), body("exit"),
    ]
    # An SVG drawing in UTF-8: whole-text changes, several changes at once,
    # changes past the end.
    e = "utf-8"
    yield 1 | 2 << 1, [
        body("textDocument/didOpen", doc(SVG_URI, languageId="svg", version=1, text=svg)),
        body("textDocument/hover", at(SVG_URI, svg, "1e-1", e), id=1),
        body("textDocument/hover", at(SVG_URI, svg, "skew", e), id=2),
        body("textDocument/completion", at(SVG_URI, svg, "butt", e, 2), id=6),
        body("textDocument/didChange", dict(doc(SVG_URI, version=2), contentChanges=[
            {"text": svg.replace("1e1", "10")},
            {"range": span(svg, "1e1", e), "text": "\u00e9"},
            {"range": {"start": {"line": 99, "character": 0}, "end": {"line": 99, "character": 3}},
             "text": "<!-- end -->"}])),
        body("textDocument/completion", at(SVG_URI, svg, "butt", e, 2), id=3), b"",
        body("textDocument/didChange", dict(doc(SVG_URI, version=3), contentChanges=[{"text": ""}])), b"",
        body("textDocument/didChange", dict(doc(SVG_URI, version=4), contentChanges=[{"text": "<svg"}])),
        body("shutdown", id=4), body("textDocument/hover", at(SVG_URI, svg, "red", e), id=5), body("exit"),
    ]
    # A stylesheet, which the server reads by its content: diagnostics,
    # hover and completion in xsl:attribute text, its quick fixes.
    e = "utf-16"
    x = XSL_TEXT
    yield 1 | 1 << 1, [
        body("textDocument/didOpen", doc(XSL_URI, languageId="xslt", version=1, text=x)), b"",
        body("textDocument/hover", at(XSL_URI, x, "bolder", e), id=1),
        body("textDocument/completion", at(XSL_URI, x, "bolder", e, 0), id=2),
        body("textDocument/hover", at(XSL_URI, x, "1.5cm", e), id=3),
        body("textDocument/codeAction", dict(doc(XSL_URI), range=span(x, "1.5cm ", e),
                                             context={"diagnostics": []}), id=4),
        body("textDocument/codeAction", dict(doc(XSL_URI), range=span(x, "<xsl:stylesheet", e, 0),
                                             context={"diagnostics": [], "only": ["source"]}), id=5),
        body("textDocument/didChange", dict(doc(XSL_URI, version=2), contentChanges=[
            {"range": span(x, "bolder ", e), "text": "bold"}])), b"",
        body("shutdown", id=6), body("exit"),
    ]
    # Wrong messages and wrong parameters, after an initialize in UTF-32.
    e = "utf-32"
    yield 1 | 3 << 1, [
        body("textDocument/didOpen", doc(FO_URI, version=1, text=fo)),
        body("textDocument/hover", at(FO_URI, fo, "2em", e), id=1),
        b"not json", b"[1,2]", b"{}", b'"text"', b"null",
        body("textDocument/hover", id=True), body("textDocument/hover", id=1.5), body("x", id=None),
        b'{"jsonrpc":"2.0","id":null,"method":"shutdown"}',
        body("textDocument/hover", id=2, version="1.0"), body("textDocument/hover", id=3, version=None),
        b'{"jsonrpc":"2.0","id":4,"method":7}', b'{"jsonrpc":"2.0","id":5}',
        b'{"jsonrpc":"2.0","id":7,"result":null}', b'{"jsonrpc":"2.0","id":"x","error":{"code":1}}',
        body("textDocument/formatting", doc(FO_URI), id=8), body("workspace/didChangeConfiguration", {}),
        body("textDocument/didOpen", id=9), body("initialize", {"capabilities": {}}, id=10),
        body("textDocument/hover", id=11), body("textDocument/hover", [1, 2], id=12),
        body("textDocument/hover", dict(doc(FO_URI), position={"line": "1", "character": 0}), id=13),
        body("textDocument/hover", dict(doc(FO_URI), position={"line": -1, "character": 0}), id=14),
        body("textDocument/hover", dict(doc(FO_URI), position={"line": 99, "character": 0}), id=15),
        body("textDocument/completion", dict(doc(FO_URI), position={"line": 1, "character": 9999}), id=16),
        body("textDocument/hover", at("file:///closed.fo", fo, "2em", e), id=17),
        body("textDocument/didChange", dict(doc("file:///closed.fo", version=2), contentChanges=[])),
        body("textDocument/didChange", dict(doc(FO_URI, version=2), contentChanges={"text": ""})),
        body("textDocument/didChange", dict(doc(FO_URI, version=2), contentChanges=[
            {"range": {"start": position(fo, "2em", e), "end": position(fo, "<fo", e)}, "text": ""}])),
        body("textDocument/didChange", dict(doc(FO_URI, version="3"), contentChanges=[{"text": fo}])),
        body("textDocument/didClose", doc("file:///closed.fo")),
        body("textDocument/codeAction", dict(doc(FO_URI), range={"start": position(fo, "ok", e),
                                                                  "end": position(fo, "<fo", e)}), id=18),
        b"",
        body("exit"),
    ]
    # The lifecycle on the raw stream, a byte at a time: requests before
    # initialize, an initialize that asks for UTF-32 and plain text, a request
    # after shutdown, header fields in other cases and orders.
    framed = [
        body("textDocument/hover", at(FO_URI, fo, "2em", "utf-16"), id=1),
        body("textDocument/didOpen", doc(FO_URI, version=1, text=fo)),
        body("initialize", {"processId": None, "capabilities": {
            "general": {"positionEncodings": ["utf-16", "utf-32"]},
            "textDocument": {"hover": {"contentFormat": ["plaintext"]}}}}, id=2),
        body("initialized", {}),
        body("textDocument/didOpen", doc(FO_URI, version=1, text=fo)),
        body("textDocument/hover", at(FO_URI, fo, "12ptt", "utf-32"), id=3),
        body("shutdown", id=4), body("shutdown", id=5),
        body("textDocument/hover", at(FO_URI, fo, "12ptt", "utf-32"), id=6),
    ]
    stream = b"".join(frame(each) for each in framed[:3])
    stream += b"Content-Type: application/vscode-jsonrpc; charset=utf-8\r\ncontent-length:%d\r\n\r\n%s" % (
        len(framed[3]), framed[3])
    stream += b"".join(frame(each) for each in framed[4:]) + frame(body("exit"))
    yield 1 << 3, stream
    # Bad headers between good messages, on a stream fed whole.
    good = body("textDocument/didOpen", doc(FO_URI, version=1, text=fo))
    hover = body("textDocument/hover", at(FO_URI, fo, "2em", "utf-16"), id=1)
    yield 1 << 1, (b"Content-Length: abc\r\n\r\n{}" + frame(good) + b"Garbage\r\n\r\n" + frame(hover) +
                   b"Content-Type: text\r\n\r\n" + b"Content-Length: 12345678901\r\n\r\n" + frame(b"{") +
                   b"Content-Length: 0\r\n\r\n" + frame(b"[]") + frame(hover) +
                   b"Content-Length: 2000000000\r\n\r\n" + frame(hover))
    # A header longer than 8 KiB, then a message, in pieces of 64 bytes.
    yield 1 << 1 | 3 << 3, (b"X-Padding: " + b"x" * 8300 + b"\r\n" + frame(good) + frame(hover) +
                            frame(body("shutdown", id=2)) + frame(body("exit")))


def frame(data):
    return b"Content-Length: %d\r\n\r\n%s" % (len(data), data)


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
    for mode, messages in lsp_seeds():
        stream = messages if isinstance(messages, bytes) else b"\n".join(messages)
        write(corpus / "lsp", bytes([mode]) + stream)


if __name__ == "__main__":
    main()
