# Malformed input gets its error, and the server goes on answering.

# Before initialize, a request is refused (-32002).
--> {"jsonrpc":"2.0","id":1,"method":"textDocument/hover","params":{}}
<-- {"error":{"code":-32002,"message":"the server is not initialized"},"id":1,"jsonrpc":"2.0"}
--> {"jsonrpc":"2.0","id":2,"method":"initialize","params":{"capabilities":{}}}
<-- {"id":2,"jsonrpc":"2.0","result":{"capabilities":{"codeActionProvider":{"codeActionKinds":["quickfix","source.fixAll.xmlattr"]},"colorProvider":true,"completionProvider":{"triggerCharacters":["\"","'"]},"hoverProvider":true,"positionEncoding":"utf-16","textDocumentSync":{"change":2,"openClose":true}},"serverInfo":{"name":"xmlattr","version":"0.1.0"}}}
--> {"jsonrpc":"2.0","method":"initialized","params":{}}
--> {"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"file:///doc.fo","languageId":"xml","version":1,"text":"<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" xmlns:svg=\"http://www.w3.org/2000/svg\">\r\n<fo:block font-size=\"11ptt\" color=\"rgb(20%,20%,60%)\" font-weight=\"bold\"/>\r\n<!-- 😀 --><svg:svg><svg:line stroke-dasharray=\"4 2\"/></svg:svg></fo:root>\r\n"}}}
<-- {"jsonrpc":"2.0","method":"textDocument/publishDiagnostics","params":{"diagnostics":[{"code":"unknown-unit","message":"font-size=\"11ptt\" on fo:block reads as 11px (FontSize): unknown unit 'ptt' is read as px; did you mean pt?","range":{"end":{"character":26,"line":1},"start":{"character":21,"line":1}},"severity":2,"source":"xmlattr"},{"code":"rgb-percent","message":"color=\"rgb(20%,20%,60%)\" on fo:block reads as rgb(20,20,60) (Color): percentages inside rgb() are read as numbers from 0 to 255","range":{"end":{"character":51,"line":1},"start":{"character":35,"line":1}},"severity":2,"source":"xmlattr"},{"code":"list-read-as-one","message":"stroke-dasharray=\"4 2\" on svg:line reads as 4px (Vector<SLength>): a list separated by blanks is read as one item: separate items with commas","range":{"end":{"character":51,"line":2},"start":{"character":48,"line":2}},"severity":2,"source":"xmlattr"}],"uri":"file:///doc.fo","version":1}}

# Not JSON (-32700); not an object, an id that is an object, a wrong or
# missing jsonrpc, initialize again (-32600); an unknown method (-32601);
# bad params, a line past the end, a negative line (-32602). After them,
# a good hover still answers.
--> {not json
<-- {"error":{"code":-32700,"message":"the message is not JSON"},"id":null,"jsonrpc":"2.0"}
--> [1,2]
<-- {"error":{"code":-32600,"message":"a message is a JSON object"},"id":null,"jsonrpc":"2.0"}
--> {"jsonrpc":"2.0","id":{"a":1},"method":"shutdown"}
<-- {"error":{"code":-32600,"message":"a message has \"jsonrpc\": \"2.0\", a method, and an integer or string id"},"id":null,"jsonrpc":"2.0"}
--> {"jsonrpc":"1.0","id":7,"method":"shutdown"}
<-- {"error":{"code":-32600,"message":"a message has \"jsonrpc\": \"2.0\", a method, and an integer or string id"},"id":7,"jsonrpc":"2.0"}
--> {"jsonrpc":2,"id":7,"method":"shutdown"}
<-- {"error":{"code":-32600,"message":"a message has \"jsonrpc\": \"2.0\", a method, and an integer or string id"},"id":7,"jsonrpc":"2.0"}
--> {"jsonrpc":"2.0","id":7,"method":"initialize","params":{"capabilities":{}}}
<-- {"error":{"code":-32600,"message":"the server is initialized already"},"id":7,"jsonrpc":"2.0"}
--> {"jsonrpc":"2.0","id":7,"method":"textDocument/rename","params":{}}
<-- {"error":{"code":-32601,"message":"no method textDocument/rename"},"id":7,"jsonrpc":"2.0"}
--> {"jsonrpc":"2.0","id":7,"method":"textDocument/hover","params":{"position":3}}
<-- {"error":{"code":-32602,"message":"'textDocument' is missing"},"id":7,"jsonrpc":"2.0"}
--> {"jsonrpc":"2.0","id":7,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///doc.fo"},"position":{"line":99,"character":0}}}
<-- {"error":{"code":-32602,"message":"line 99 is past the document's last line (3)"},"id":7,"jsonrpc":"2.0"}
--> {"jsonrpc":"2.0","id":7,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///doc.fo"},"position":{"line":-1,"character":0}}}
<-- {"error":{"code":-32602,"message":"'line' is out of range"},"id":7,"jsonrpc":"2.0"}
--> {"jsonrpc":"2.0","id":99,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///doc.fo"},"position":{"line":1,"character":23}}}
<-- {"id":99,"jsonrpc":"2.0","result":{"contents":{"kind":"markdown","value":"**FontSize**: `font-size` on `fo:block`\n\nReads as `11px`: unknown unit 'ptt' is read as px; did you mean pt? Written back as `11px`.\n\nKeywords: `xx-small`, `x-small`, `small`, `medium`, `large`, `x-large`, `xx-large`, `larger`, `smaller`.\n\nUnits: `px` 1px, `pt` 1.3333334px, `pc` 16px, `cm` 37.795277px, `mm` 3.7795277px, `in` 96px, `em` 0.0625px, `ex` no fixed size (converting raises)."},"range":{"end":{"character":26,"line":1},"start":{"character":21,"line":1}}}}

# A bad header, as the transport reports it (-32700, id null).
--! a header without Content-Length
<-- {"error":{"code":-32700,"message":"a header without Content-Length"},"id":null,"jsonrpc":"2.0"}

# Notifications that cannot be acted on are never answered: a change to a
# document not open and an open without params are logged; a cancel, a
# configuration change and a response to nothing are let be.
--> {"jsonrpc":"2.0","method":"textDocument/didChange","params":{"textDocument":{"uri":"file:///not-open.fo","version":2},"contentChanges":[]}}
<-- {"jsonrpc":"2.0","method":"window/logMessage","params":{"message":"xmlattr: textDocument/didChange: the document is not open: file:///not-open.fo","type":1}}
--> {"jsonrpc":"2.0","method":"textDocument/didOpen","params":{}}
<-- {"jsonrpc":"2.0","method":"window/logMessage","params":{"message":"xmlattr: textDocument/didOpen: 'textDocument' is missing","type":1}}
--> {"jsonrpc":"2.0","method":"$/cancelRequest","params":{"id":3}}
--> {"jsonrpc":"2.0","method":"workspace/didChangeConfiguration","params":{}}
--> {"jsonrpc":"2.0","id":5,"result":null}
--> {"jsonrpc":"2.0","id":99,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///doc.fo"},"position":{"line":1,"character":23}}}
<-- {"id":99,"jsonrpc":"2.0","result":{"contents":{"kind":"markdown","value":"**FontSize**: `font-size` on `fo:block`\n\nReads as `11px`: unknown unit 'ptt' is read as px; did you mean pt? Written back as `11px`.\n\nKeywords: `xx-small`, `x-small`, `small`, `medium`, `large`, `x-large`, `xx-large`, `larger`, `smaller`.\n\nUnits: `px` 1px, `pt` 1.3333334px, `pc` 16px, `cm` 37.795277px, `mm` 3.7795277px, `in` 96px, `em` 0.0625px, `ex` no fixed size (converting raises)."},"range":{"end":{"character":26,"line":1},"start":{"character":21,"line":1}}}}
