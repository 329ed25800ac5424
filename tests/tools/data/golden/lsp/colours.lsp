# Colour swatches: where each colour value stands and what the engine reads
# it as (rgb() percentages as numbers, 300 wrapped); not a paint reference,
# none, or a value of another type (width). And colours written back.
--> {"jsonrpc":"2.0","id":1,"method":"initialize","params":{"capabilities":{}}}
<-- {"id":1,"jsonrpc":"2.0","result":{"capabilities":{"codeActionProvider":{"codeActionKinds":["quickfix","source.fixAll.xmlattr"]},"colorProvider":true,"completionProvider":{"triggerCharacters":["\"","'"]},"hoverProvider":true,"positionEncoding":"utf-16","textDocumentSync":{"change":2,"openClose":true}},"serverInfo":{"name":"xmlattr","version":"0.1.0"}}}
--> {"jsonrpc":"2.0","method":"initialized","params":{}}
--> {"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"file:///doc.fo","languageId":"xml","version":1,"text":"<svg xmlns=\"http://www.w3.org/2000/svg\"><rect fill=\"red\" stroke=\"url(#g)\" style=\"stroke: #abc; fill: none\" stop-color=\"rgb(20%,0,300)\" width=\"#fff\"/></svg>"}}}
<-- {"jsonrpc":"2.0","method":"textDocument/publishDiagnostics","params":{"diagnostics":[{"code":"rgb-percent","message":"stop-color=\"rgb(20%,0,300)\" on rect reads as rgb(20,0,44) (Color): percentages inside rgb() are read as numbers from 0 to 255","range":{"end":{"character":133,"line":0},"start":{"character":119,"line":0}},"severity":2,"source":"xmlattr"},{"code":"not-a-number","message":"width=\"#fff\" on rect reads as 0px (SLength): a word the type does not know is read as a number","range":{"end":{"character":146,"line":0},"start":{"character":142,"line":0}},"severity":2,"source":"xmlattr"}],"uri":"file:///doc.fo","version":1}}
--> {"jsonrpc":"2.0","id":2,"method":"textDocument/documentColor","params":{"textDocument":{"uri":"file:///doc.fo"}}}
<-- {"id":2,"jsonrpc":"2.0","result":[{"color":{"alpha":1.0,"blue":0.0,"green":0.0,"red":1.0},"range":{"end":{"character":55,"line":0},"start":{"character":52,"line":0}}},{"color":{"alpha":1.0,"blue":0.8,"green":0.7333333333333333,"red":0.6666666666666666},"range":{"end":{"character":93,"line":0},"start":{"character":89,"line":0}}},{"color":{"alpha":1.0,"blue":0.17254901960784313,"green":0.0,"red":0.0784313725490196},"range":{"end":{"character":133,"line":0},"start":{"character":119,"line":0}}}]}

# A colour picked: #rrggbb, then each name that is exactly it.
--> {"jsonrpc":"2.0","id":3,"method":"textDocument/colorPresentation","params":{"textDocument":{"uri":"file:///doc.fo"},"color":{"red":0,"green":1,"blue":1,"alpha":1},"range":{"start":{"line":0,"character":52},"end":{"line":0,"character":55}}}}
<-- {"id":3,"jsonrpc":"2.0","result":[{"label":"#00ffff","textEdit":{"newText":"#00ffff","range":{"end":{"character":55,"line":0},"start":{"character":52,"line":0}}}},{"label":"aqua","textEdit":{"newText":"aqua","range":{"end":{"character":55,"line":0},"start":{"character":52,"line":0}}}},{"label":"cyan","textEdit":{"newText":"cyan","range":{"end":{"character":55,"line":0},"start":{"character":52,"line":0}}}}]}

# No name is exactly this one.
--> {"jsonrpc":"2.0","id":4,"method":"textDocument/colorPresentation","params":{"textDocument":{"uri":"file:///doc.fo"},"color":{"red":0.5,"green":0.25,"blue":0.125,"alpha":1},"range":{"start":{"line":0,"character":52},"end":{"line":0,"character":55}}}}
<-- {"id":4,"jsonrpc":"2.0","result":[{"label":"#804020","textEdit":{"newText":"#804020","range":{"end":{"character":55,"line":0},"start":{"character":52,"line":0}}}}]}
