// Drives `xmlattr lsp --stdio` with the reference LSP client library, as an
// editor does: initialize, open documents, compare the published diagnostics
// with what `xmlattr lint --format json` finds in the same text, hover,
// complete, apply a quick fix and the fix-all action through incremental
// changes, close, shut down.
//
// usage: node client.mjs XMLATTR_TOOL SOURCE_DIR
// Exit status: 0 passed, 1 failed, 77 (a skip for CTest) when the client
// library is not installed (npm ci in this folder), except under CI (CI set),
// where that fails.
import { execFileSync, spawn } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
if (process.argv.length !== 4) {
  console.error('usage: node client.mjs XMLATTR_TOOL SOURCE_DIR');
  process.exit(2);
}
const [tool, sourceDir] = process.argv.slice(2);
if (!existsSync(join(here, 'node_modules', 'vscode-languageserver-protocol'))) {
  console.log('LSP client library not installed (npm ci --prefix tests/tools/lsp)');
  process.exit(process.env.CI ? 1 : 77);
}
const require = createRequire(import.meta.url);
const lsp = require('vscode-languageserver-protocol/node');
const { TextDocument } = require('vscode-languageserver-textdocument');

// --- the server, and failing with the step that went wrong -------------------

let step = 'starting';
class Failure extends Error {}
function check(condition, what, got) {
  if (!condition) throw new Failure(got === undefined ? what : `${what}\n  got: ${JSON.stringify(got)}`);
}

const server = spawn(tool, ['lsp', '--stdio'], { stdio: ['pipe', 'pipe', 'inherit'] });
const exited = new Promise((resolve) => server.on('exit', (code, signal) => resolve({ code, signal })));
const scratch = mkdtempSync(join(tmpdir(), 'xmlattr-lsp-'));

function finish(status, message) {
  (status === 0 ? console.log : console.error)(message);
  server.kill();
  rmSync(scratch, { recursive: true, force: true });
  process.exit(status);
}
// A hung server fails the test quickly.
setTimeout(() => finish(1, `FAIL (${step}): no answer within 20 s`), 20000).unref();
server.on('error', (error) => finish(1, `FAIL: cannot run ${tool}: ${error.message}`));
exited.then(({ code, signal }) => {
  if (step !== 'shutdown') finish(1, `FAIL (${step}): the server ended (exit ${code}, signal ${signal})`);
});

const connection = lsp.createProtocolConnection(
  new lsp.StreamMessageReader(server.stdout),
  new lsp.StreamMessageWriter(server.stdin),
);

// Published diagnostics, by document, in the order they came.
const published = new Map();
const waiting = new Map();
connection.onNotification(lsp.PublishDiagnosticsNotification.type, (params) => {
  const resolve = waiting.get(params.uri);
  if (resolve) {
    waiting.delete(params.uri);
    resolve(params);
  } else {
    if (!published.has(params.uri)) published.set(params.uri, []);
    published.get(params.uri).push(params);
  }
});
function nextDiagnostics(uri) {
  const queued = published.get(uri);
  if (queued?.length) return Promise.resolve(queued.shift());
  return new Promise((resolve) => waiting.set(uri, resolve));
}
// The server logs the errors of notifications, which it cannot answer.
const logged = [];
connection.onNotification(lsp.LogMessageNotification.type, (params) => {
  console.error(`server log: ${params.message}`);
  logged.push(params);
});
connection.listen();

// --- what the tool says of a text, run as its own process --------------------

// Its output, for the exit statuses given (lint exits with 1 on findings).
function runTool(args, input, statuses = [0, 1]) {
  try {
    return execFileSync(tool, args, { input, encoding: 'utf8', stdio: 'pipe' });
  } catch (error) {
    if (statuses.includes(error.status)) return error.stdout;
    throw new Failure(`xmlattr ${args.join(' ')}: exit ${error.status}\n${error.stdout}${error.stderr}`);
  }
}

// The findings of `xmlattr lint --format json` in text, saved as name.
function lint(name, text) {
  const file = join(scratch, name);
  writeFileSync(file, text);
  return runTool(['lint', '--format', 'json', file])
    .split('\n')
    .filter((line) => line.trim())
    .map((line) => JSON.parse(line))
    .filter((finding) => !finding.summary);
}

// The LSP position of lint's line and code-point column (both from 1).
function positionOf(document, line, column) {
  const text = document.getText({ start: { line: line - 1, character: 0 }, end: { line, character: 0 } });
  return { line: line - 1, character: [...text].slice(0, column - 1).join('').length };
}

// The UTF-16 offset of a byte offset into text (lint's fixes count bytes).
function utf16Offset(text, byte) {
  return Buffer.from(text, 'utf8').subarray(0, byte).toString('utf8').length;
}

const severities = { error: 1, warning: 2, note: 3 };

// Each finding is exactly one diagnostic, over its value, and there is no
// other diagnostic.
function compare(document, params, findings) {
  check(params.version === document.version, `diagnostics of version ${document.version}`, params.version);
  const left = [...params.diagnostics];
  for (const finding of findings) {
    const start = positionOf(document, finding.line, finding.column);
    const index = left.findIndex(
      (d) =>
        d.code === finding.kind &&
        d.message === finding.message &&
        d.range.start.line === start.line &&
        d.range.start.character === start.character,
    );
    check(index >= 0, `a diagnostic ${finding.kind} at ${start.line}:${start.character}`, params.diagnostics);
    const [diagnostic] = left.splice(index, 1);
    check(document.getText(diagnostic.range) === finding.text, `${finding.kind} covers "${finding.text}"`,
          diagnostic.range);
    check(diagnostic.severity === severities[finding.severity], `severity of ${finding.kind}`, diagnostic);
    check(diagnostic.source === 'xmlattr', 'source "xmlattr"', diagnostic);
  }
  check(left.length === 0, `no diagnostic but lint's findings in ${document.uri}`, left);
}

// --- the editor's side: the documents it holds and the changes it sends ------

const documents = new Map();

async function open(name, text, languageId) {
  const uri = pathToFileURL(join(scratch, 'open', name)).href;
  documents.set(uri, TextDocument.create(uri, languageId, 1, text));
  await connection.sendNotification(lsp.DidOpenTextDocumentNotification.type, {
    textDocument: { uri, languageId, version: 1, text },
  });
  return uri;
}

// Applies a WorkspaceEdit as an editor does, and sends its edits as
// incremental changes, the last one first so that each range still holds.
async function applyEdit(uri, edit) {
  const document = documents.get(uri);
  const edits = edit?.changes?.[uri];
  check(Array.isArray(edits) && edits.length > 0, 'edits of the document', edit);
  const text = TextDocument.applyEdits(document, edits);
  const changes = [...edits]
    .sort((a, b) => document.offsetAt(b.range.start) - document.offsetAt(a.range.start))
    .map((e) => ({ range: e.range, text: e.newText }));
  const changed = TextDocument.update(document, changes, document.version + 1);
  check(changed.getText() === text, 'the changes give the edited text');
  documents.set(uri, changed);
  await connection.sendNotification(lsp.DidChangeTextDocumentNotification.type, {
    textDocument: { uri, version: changed.version },
    contentChanges: changes,
  });
  return changed;
}

// The edits are those of lint's fix, in UTF-16 positions.
function checkEdits(document, edits, fix) {
  const text = document.getText();
  check(edits.length === fix.edits.length, `${fix.edits.length} edits`, edits);
  fix.edits.forEach((expected, i) => {
    const { range, newText } = edits[i];
    check(document.offsetAt(range.start) === utf16Offset(text, expected.begin) &&
            document.offsetAt(range.end) === utf16Offset(text, expected.end) &&
            newText === expected.replacement,
          `the edit ${JSON.stringify(expected)} of "${fix.description}"`, edits[i]);
  });
}

// Applies the fix-all action: the text becomes what `xmlattr lint --fix`
// makes of it, and only the findings without a safe fix remain.
async function fixEverything(uri, name) {
  const before = documents.get(uri);
  const actions = await connection.sendRequest(lsp.CodeActionRequest.type, {
    textDocument: { uri },
    range: { start: { line: 0, character: 0 }, end: { line: 0, character: 0 } },
    context: { diagnostics: [], only: [lsp.CodeActionKind.Source] },
  });
  check(actions?.length === 1 && actions[0].kind === 'source.fixAll.xmlattr', 'one fix-all action', actions);
  const unfixed = lint(name, before.getText()).filter((f) => !f.fix?.safe);
  const fixed = runTool(['lint', '--fix', '-'], before.getText());
  const after = await applyEdit(uri, actions[0].edit);
  check(after.getText() === fixed, 'fix-all edits the text as lint --fix does', after.getText());
  const params = await nextDiagnostics(uri);
  const codes = (list) => JSON.stringify(list.sort());
  check(codes(params.diagnostics.map((d) => d.code)) === codes(unfixed.map((f) => f.kind)),
        'only the findings without a safe fix remain', params.diagnostics);
  compare(after, params, lint(`fixed-${name}`, after.getText()));
  console.log(`ok: fix-all on ${name}; ${params.diagnostics.length} diagnostics left`);
}

const capabilities = {
  general: { positionEncodings: ['utf-16'] },
  workspace: { applyEdit: true, workspaceEdit: { documentChanges: false }, workspaceFolders: true },
  textDocument: {
    synchronization: { dynamicRegistration: false, didSave: true, willSave: false },
    publishDiagnostics: { relatedInformation: true, versionSupport: true, codeDescriptionSupport: true },
    hover: { contentFormat: ['markdown', 'plaintext'] },
    completion: { completionItem: { snippetSupport: false, insertReplaceSupport: false } },
    codeAction: {
      codeActionLiteralSupport: { codeActionKind: { valueSet: ['quickfix', 'source', 'source.fixAll'] } },
      isPreferredSupport: true,
    },
  },
  window: { workDoneProgress: false },
};

async function scenario() {
  step = 'initialize';
  const rootUri = pathToFileURL(sourceDir).href;
  const { capabilities: caps } = await connection.sendRequest(lsp.InitializeRequest.type, {
    processId: process.pid,
    clientInfo: { name: 'xmlattr-ci-client', version: '1' },
    rootUri,
    workspaceFolders: [{ uri: rootUri, name: 'xmlattr' }],
    capabilities,
  });
  check(caps.positionEncoding === 'utf-16', 'positionEncoding utf-16', caps);
  check(caps.textDocumentSync?.openClose &&
          caps.textDocumentSync.change === lsp.TextDocumentSyncKind.Incremental, 'incremental sync', caps);
  check(caps.hoverProvider === true, 'hoverProvider', caps);
  check(caps.completionProvider?.triggerCharacters?.includes('"'), 'completion on "', caps);
  check(['quickfix', 'source.fixAll.xmlattr'].every((k) => caps.codeActionProvider?.codeActionKinds?.includes(k)),
        'code action kinds', caps);
  await connection.sendNotification(lsp.InitializedNotification.type, {});

  // The bundled documents, and one with characters outside the BMP before
  // its findings, where UTF-16 columns are not code points nor bytes.
  step = 'open';
  const read = (name) => readFileSync(join(sourceDir, 'examples/documents', name), 'utf8');
  const wide =
    '<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg">\n' +
    '  <text font-family="𝒳 Sans é" x="1 2" style="fill: rgb(20%,20%,60%); stroke-width: 1.5mmm">𝄞</text>\n' +
    '  <rect id="😀😀" width="2em " fill="rgb(20%, 0%,100%)"/>\n</svg>\n';
  const reportUri = await open('report.fo', read('report.fo'), 'xml');
  const drawingsUri = await open('drawings.svg', read('drawings.svg'), 'svg');
  const wideUri = await open('wide.svg', wide, 'svg');
  const findings = new Map();
  for (const [uri, name] of [[reportUri, 'report.fo'], [drawingsUri, 'drawings.svg'], [wideUri, 'wide.svg']]) {
    step = `diagnostics of ${name}`;
    findings.set(uri, lint(name, documents.get(uri).getText()));
    check(findings.get(uri).length > 0, `lint finds something in ${name}`);
    compare(documents.get(uri), await nextDiagnostics(uri), findings.get(uri));
    console.log(`ok: ${name}: ${findings.get(uri).length} diagnostics, as lint finds`);
  }
  const report = documents.get(reportUri);
  const reportFindings = findings.get(reportUri);

  step = 'hover';
  const unit = reportFindings.find((f) => f.kind === 'unknown-unit');
  const valueStart = positionOf(report, unit.line, unit.column);
  const hover = await connection.sendRequest(lsp.HoverRequest.type, {
    textDocument: { uri: reportUri },
    position: { line: valueStart.line, character: valueStart.character + 1 },
  });
  check(hover?.contents?.kind === 'markdown' && hover.contents.value.includes(unit.type),
        `the hover names ${unit.type}`, hover);
  check(report.getText(hover.range) === unit.text, `the hover covers "${unit.text}"`, hover.range);
  const nothing = await connection.sendRequest(lsp.HoverRequest.type, {
    textDocument: { uri: reportUri },
    position: { line: 0, character: 1 },
  });
  check(nothing === null, 'no hover outside a value', nothing);

  step = 'completion';
  const valueOf = (attribute) => report.getText().indexOf(`${attribute}="`) + attribute.length + 2;
  const weightAt = valueOf('font-weight');
  const written = report.getText().slice(weightAt, report.getText().indexOf('"', weightAt));
  const completion = await connection.sendRequest(lsp.CompletionRequest.type, {
    textDocument: { uri: reportUri },
    position: report.positionAt(weightAt + 1),
    context: { triggerKind: lsp.CompletionTriggerKind.Invoked },
  });
  const items = completion?.items ?? [];
  check(items.some((item) => item.label === written), `completion offers "${written}"`, completion);
  for (const item of items) {
    check(report.getText(item.textEdit?.range) === written, `${item.label} replaces "${written}"`, item);
    runTool([item.detail, item.label], '', [0]); // exit 0: the type accepts it
  }
  const sizes = await connection.sendRequest(lsp.CompletionRequest.type, {
    textDocument: { uri: reportUri },
    position: report.positionAt(valueOf('font-size')),
  });
  check(sizes?.items?.some((item) => item.label === 'xx-small'), 'a font size offers its keywords', sizes);
  console.log(`ok: hover; ${items.length} keywords completed in font-weight="${written}"`);

  step = 'quick fix';
  const percent = reportFindings.find((f) => f.kind === 'rgb-percent');
  check(percent?.fix?.safe, 'report.fo has a safe rgb-percent fix', reportFindings);
  const cursor = positionOf(report, percent.line, percent.column);
  const actions = await connection.sendRequest(lsp.CodeActionRequest.type, {
    textDocument: { uri: reportUri },
    range: { start: cursor, end: cursor },
    context: { diagnostics: [], only: [lsp.CodeActionKind.QuickFix] },
  });
  const preferred = (actions ?? []).filter((a) => a.kind === 'quickfix' && a.isPreferred);
  check(preferred.length === 1 && preferred[0].diagnostics?.[0]?.code === 'rgb-percent',
        'one preferred rgb-percent fix under the cursor', actions);
  checkEdits(report, preferred[0].edit.changes[reportUri], percent.fix);
  const fixed = await applyEdit(reportUri, preferred[0].edit);
  const params = await nextDiagnostics(reportUri);
  check(!params.diagnostics.some((d) => d.code === 'rgb-percent'), 'the fixed diagnostic is gone',
        params.diagnostics);
  check(params.diagnostics.length === reportFindings.length - 1, 'the others stay', params.diagnostics);
  compare(fixed, params, lint('fixed-once-report.fo', fixed.getText()));
  console.log(`ok: quick fix "${preferred[0].title}"; ${params.diagnostics.length} diagnostics left`);

  step = 'fix all';
  await fixEverything(reportUri, 'report.fo');
  await fixEverything(wideUri, 'wide.svg');

  step = 'close';
  await connection.sendNotification(lsp.DidCloseTextDocumentNotification.type, {
    textDocument: { uri: drawingsUri },
  });
  const closed = await nextDiagnostics(drawingsUri);
  check(closed.diagnostics.length === 0, 'closing clears the diagnostics', closed);

  step = 'shutdown';
  await connection.sendRequest(lsp.ShutdownRequest.type);
  await connection.sendNotification(lsp.ExitNotification.type);
  const { code, signal } = await exited;
  check(code === 0, 'the server exits with status 0', { code, signal });
  check(logged.length === 0, 'the server logged no error', logged);
  connection.dispose();
}

scenario().then(
  () => finish(0, 'passed: diagnostics, hover, completion, quick fix, fix-all, close, shutdown'),
  (error) => finish(1, `FAIL (${step}): ${error instanceof Failure ? error.message : (error.stack ?? error)}`),
);
