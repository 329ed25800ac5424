-- Drives `xmlattr lsp` from Neovim as the README's set-up for Neovim 0.7
-- starts it (vim.lsp.start_client with vim.lsp.buf_attach_client): opens a
-- document, waits for the diagnostics, applies the preferred quick fix of the
-- blank-changed-unit one, and checks the buffer.
--
--   XMLATTR=path/to/xmlattr DOCUMENT=copy.fo nvim --headless --clean -c 'luafile nvim-session.lua'
-- Exit status 0 passed, 1 failed (with the step on standard error).
local function fail(what)
  io.stderr:write('nvim session: ' .. what .. '\n')
  vim.cmd('cquit 1')
end

local ok, err = pcall(function()
  -- The set-up of the README, for the Neovim that Debian 12 has.
  local xmlattr
  vim.api.nvim_create_autocmd('FileType', {
    pattern = { 'xml', 'svg' },
    callback = function(args)
      xmlattr = xmlattr or vim.lsp.start_client({ name = 'xmlattr', cmd = { os.getenv('XMLATTR'), 'lsp' } })
      vim.lsp.buf_attach_client(args.buf, xmlattr)
    end,
  })
  vim.cmd('edit ' .. vim.fn.fnameescape(os.getenv('DOCUMENT')))
  local buf = vim.api.nvim_get_current_buf()
  if not xmlattr then return fail('no client started for filetype ' .. vim.bo.filetype) end

  if not vim.wait(10000, function() return #vim.diagnostic.get(buf) > 0 end, 50) then
    return fail('no diagnostics within 10 s')
  end
  -- The bundled report's margin-left="2em " has a safe fix.
  local first
  for _, d in ipairs(vim.diagnostic.get(buf)) do
    if d.code == 'blank-changed-unit' and d.source == 'xmlattr' then first = d end
  end
  if not first then return fail('no blank-changed-unit: ' .. vim.inspect(vim.diagnostic.get(buf))) end

  local params = {
    textDocument = vim.lsp.util.make_text_document_params(buf),
    range = { start = { line = first.lnum, character = first.col },
              ['end'] = { line = first.end_lnum, character = first.end_col } },
    context = { diagnostics = { first.user_data.lsp } },
  }
  local answers = vim.lsp.buf_request_sync(buf, 'textDocument/codeAction', params, 5000)
  local action
  for _, answer in pairs(answers or {}) do
    for _, candidate in ipairs(answer.result or {}) do
      if candidate.isPreferred then action = candidate end
    end
  end
  if not action then return fail('no preferred quick fix: ' .. vim.inspect(answers)) end
  vim.lsp.util.apply_workspace_edit(action.edit, 'utf-16')

  local line = vim.api.nvim_buf_get_lines(buf, first.lnum, first.lnum + 1, true)[1]
  if not line:find('margin-left="2em"', 1, true) then
    return fail('after the fix, line ' .. (first.lnum + 1) .. ' is: ' .. line)
  end
  -- The server sees the edit: the diagnostic goes.
  if not vim.wait(10000, function()
    for _, d in ipairs(vim.diagnostic.get(buf)) do
      if d.lnum == first.lnum and d.code == 'blank-changed-unit' then return false end
    end
    return true
  end, 50) then
    return fail('the fixed value is still reported')
  end
  vim.lsp.stop_client(xmlattr)
  vim.cmd('qa!')
end)
if not ok then fail(tostring(err)) end
