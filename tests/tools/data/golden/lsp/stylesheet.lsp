# A stylesheet, told by its content, is served as the XSL-FO it writes:
# diagnostics, hover and completion stand in xsl:attribute text as on
# attributes; computed values ({$s}pt, select=) get none.
--> {"jsonrpc":"2.0","id":1,"method":"initialize","params":{"capabilities":{}}}
<-- {"id":1,"jsonrpc":"2.0","result":{"capabilities":{"codeActionProvider":{"codeActionKinds":["quickfix","source.fixAll.xmlattr"]},"colorProvider":true,"completionProvider":{"triggerCharacters":["\"","'"]},"hoverProvider":true,"positionEncoding":"utf-16","textDocumentSync":{"change":2,"openClose":true}},"serverInfo":{"name":"xmlattr","version":"0.1.0"}}}
--> {"jsonrpc":"2.0","method":"initialized","params":{}}
--> {"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"file:///style.xsl","languageId":"xml","version":1,"text":"<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">\n<xsl:template match=\"/\"><fo:block font-size=\"{$s}pt\" margin=\"2em \">\n<xsl:attribute name=\"font-size\">11ptt</xsl:attribute>\n<xsl:attribute name=\"font-weight\">bold</xsl:attribute>\n<xsl:attribute name=\"color\" select=\"'red'\"/>\n</fo:block></xsl:template></xsl:stylesheet>\n"}}}
<-- {"jsonrpc":"2.0","method":"textDocument/publishDiagnostics","params":{"diagnostics":[{"code":"blank-changed-unit","message":"margin=\"2em \" on fo:block reads as 2px (Margin): a blank before or after the value changes the unit it is read in","range":{"end":{"character":65,"line":1},"start":{"character":61,"line":1}},"severity":2,"source":"xmlattr"},{"code":"unknown-unit","message":"font-size=\"11ptt\" on fo:block reads as 11px (FontSize): unknown unit 'ptt' is read as px; did you mean pt?","range":{"end":{"character":37,"line":2},"start":{"character":32,"line":2}},"severity":2,"source":"xmlattr"}],"uri":"file:///style.xsl","version":1}}

# On the text 11ptt.
--> {"jsonrpc":"2.0","id":2,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///style.xsl"},"position":{"line":2,"character":34}}}
<-- {"id":2,"jsonrpc":"2.0","result":{"contents":{"kind":"markdown","value":"**FontSize**: `font-size` on `fo:block`\n\nReads as `11px`: unknown unit 'ptt' is read as px; did you mean pt? Written back as `11px`.\n\nKeywords: `xx-small`, `x-small`, `small`, `medium`, `large`, `x-large`, `xx-large`, `larger`, `smaller`.\n\nUnits: `px` 1px, `pt` 1.3333334px, `pc` 16px, `cm` 37.795277px, `mm` 3.7795277px, `in` 96px, `em` 0.0625px, `ex` no fixed size (converting raises)."},"range":{"end":{"character":37,"line":2},"start":{"character":32,"line":2}}}}

# On the computed font-size: nothing.
--> {"jsonrpc":"2.0","id":3,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///style.xsl"},"position":{"line":1,"character":50}}}
<-- {"id":3,"jsonrpc":"2.0","result":null}

# On the literal 'red' of select=.
--> {"jsonrpc":"2.0","id":4,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///style.xsl"},"position":{"line":4,"character":38}}}
<-- {"id":4,"jsonrpc":"2.0","result":{"contents":{"kind":"markdown","value":"**Color**: `color` on `fo:block`\n\nReads as written. Written back as `rgb(255,0,0)`."},"range":{"end":{"character":40,"line":4},"start":{"character":37,"line":4}}}}

# In the text bold: its keywords, replacing (3,34)-(3,38).
--> {"jsonrpc":"2.0","id":5,"method":"textDocument/completion","params":{"textDocument":{"uri":"file:///style.xsl"},"position":{"line":3,"character":35}}}
<-- {"id":5,"jsonrpc":"2.0","result":{"isIncomplete":false,"items":[{"detail":"FontWeight","kind":20,"label":"bold","textEdit":{"newText":"bold","range":{"end":{"character":38,"line":3},"start":{"character":34,"line":3}}}},{"detail":"FontWeight","kind":20,"label":"normal","textEdit":{"newText":"normal","range":{"end":{"character":38,"line":3},"start":{"character":34,"line":3}}}}]}}

# An attribute set is judged where the modules beside it, on disk, use
# it: width on fo:table (main.xsl), which no type holds on every element.
--> {"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"file://${DATA}/sets/sets.xsl","languageId":"xml","version":1,"text":"<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">\n<xsl:attribute-set name=\"t\"><xsl:attribute name=\"width\">3qq</xsl:attribute></xsl:attribute-set>\n</xsl:stylesheet>\n"}}}
<-- {"jsonrpc":"2.0","method":"textDocument/publishDiagnostics","params":{"diagnostics":[{"code":"unknown-unit","message":"width=\"3qq\" on fo:table reads as 3px (TableWidth): unknown unit 'qq' is read as px; in attribute set 't', used on fo:table","range":{"end":{"character":59,"line":1},"start":{"character":56,"line":1}},"severity":2,"source":"xmlattr"}],"uri":"file://${DATA}/sets/sets.xsl","version":1}}

# The same text with nothing beside it: no finding.
--> {"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"untitled:sets.xsl","languageId":"xml","version":1,"text":"<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">\n<xsl:attribute-set name=\"t\"><xsl:attribute name=\"width\">3qq</xsl:attribute></xsl:attribute-set>\n</xsl:stylesheet>\n"}}}
<-- {"jsonrpc":"2.0","method":"textDocument/publishDiagnostics","params":{"diagnostics":[],"uri":"untitled:sets.xsl","version":1}}
