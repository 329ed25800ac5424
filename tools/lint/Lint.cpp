// The lint engine's entry points: each attribute the document reader hands
// over is looked up in the attribute table, judged as its type, and, when it
// is not read as written, given as a Finding with its place. Comments may
// silence kinds on the next element or in the whole file.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>
#include <vector>

#include "tools/common/Quoted.h"
#include "tools/lint/Document.h"
#include "tools/lint/Judge.h"
#include "tools/lint/Lint.h"
#include "tools/lint/Table.h"

namespace xmlattr::lint {

namespace {

// Each row's judged type, found once rather than by name per attribute.
const JudgedType* typeOfRow(const AttributeRow& row) {
    static const std::vector<const JudgedType*> types = [] {
        std::vector<const JudgedType*> all;
        for (const AttributeRow& each : attributeRows())
            all.push_back(judgedType(each.type));
        return all;
    }();
    return types[static_cast<std::size_t>(&row - attributeRows().data())];
}

// ATTR="TEXT" on ELEMENT reads as VALUE (TYPE): REASON
std::string messageOf(const Finding& finding) {
    std::string message = finding.inStyle ? "style " : "";
    message += finding.attribute;
    message += '=';
    message += xmlattr_tool::quotedShort(finding.text);
    message += " on ";
    message += finding.element;
    if (finding.kind == Kind::Rejected) {
        message += " is rejected (";
    } else if (finding.kind == Kind::InternalError) {
        message += " could not be read (";
    } else {
        message += " reads as ";
        message += finding.readsAs;
        message += " (";
    }
    message += finding.type;
    message += "): ";
    message += finding.reason;
    return message;
}

std::optional<Finding> judged(const AttributeRow* row, std::string_view element,
                              std::string_view name, bool inStyle, std::string_view text) {
    const JudgedType* type = row != nullptr ? typeOfRow(*row) : nullptr;
    if (type == nullptr)
        return std::nullopt;
    std::optional<Verdict> verdict = judgeText(*type, text);
    if (!verdict)
        return std::nullopt;
    Finding finding;
    finding.kind = verdict->kind;
    finding.severity = ruleOf(verdict->kind).severity;
    finding.element = element;
    finding.attribute = name;
    finding.inStyle = inStyle;
    finding.text = text;
    finding.type = typeName(*type);
    finding.readsAs = std::move(verdict->readsAs);
    finding.reason = std::move(verdict->reason);
    finding.message = messageOf(finding);
    // A rewrite is offered only once proven: the new text, judged again as
    // the same type, reads as written.
    if (verdict->fix && verdict->fix->text != text && !judgeText(*type, verdict->fix->text)) {
        Rewrite& rewrite = *verdict->fix;
        finding.fix = Fix{rewrite.safe, std::move(rewrite.description),
                          std::vector<Edit>{Edit{Range{}, std::move(rewrite.text)}}};
    }
    return finding;
}

// Whether a fix may replace the value's bytes: they are the text delivered
// (no reference or normalised line end stands for part of it), and the new
// text stands in an attribute as it is (no "<" or "&"), neither closes the
// attribute's quotes nor, in a style, ends the declaration.
bool fixFits(const Fix& fix, const ByteRange& bytes, bool inStyle) {
    const std::string& text = fix.edits.front().replacement;
    return bytes.verbatim && text.find_first_of("<&") == std::string::npos &&
           text.find(bytes.quote) == std::string::npos &&
           (!inStyle || text.find(';') == std::string::npos);
}

// The part of a value's bytes a rewrite changes, where its bytes differ from
// its text only by line breaks and tabs the XML reader turned into blanks:
// as many bytes as units of text (a reference or a CR LF takes more), and
// no blank among the units replaced unless they are only deleted. Those line
// breaks then stay.
std::optional<Edit> innerEdit(std::string_view text, const std::string& rewrite,
                              const ByteRange& bytes, bool inStyle) {
    if (bytes.verbatim || bytes.end - bytes.begin != text.size())
        return std::nullopt;
    std::size_t prefix = 0;
    while (prefix < text.size() && prefix < rewrite.size() && text[prefix] == rewrite[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < text.size() - prefix && suffix < rewrite.size() - prefix &&
           text[text.size() - 1 - suffix] == rewrite[rewrite.size() - 1 - suffix])
        ++suffix;
    const std::string_view replaced = text.substr(prefix, text.size() - prefix - suffix);
    Edit edit;
    edit.replacement = rewrite.substr(prefix, rewrite.size() - prefix - suffix);
    if ((replaced.find(' ') != std::string_view::npos && !edit.replacement.empty()) ||
        edit.replacement.find_first_of("<&") != std::string::npos ||
        edit.replacement.find(bytes.quote) != std::string::npos ||
        (inStyle && edit.replacement.find(';') != std::string::npos))
        return std::nullopt;
    edit.range.begin = bytes.begin + prefix;
    edit.range.end = bytes.begin + prefix + replaced.size();
    return edit;
}

constexpr std::string_view kDirective = "xmlattr-lint:";

class Linter final : public DocumentHandler {
  public:
    Linter(DocumentReader& reader, const Options& options) : reader_(reader), options_(options) {}

    void startElement(const ElementStart& element) override {
        elementIgnored_ = std::exchange(nextIgnored_, KindSet::none());
        if (element.vocabulary == Vocabulary::Fo || element.vocabulary == Vocabulary::Svg)
            checkedVocabulary_ = true;
        if (!element.root)
            return;
        rootRead_ = true;
        if (options_.skipOtherRoots && element.vocabulary != Vocabulary::Fo &&
            element.vocabulary != Vocabulary::Svg) {
            skipped_ = true;
            reader_.stop();
            return;
        }
        root_.begin = element.offset;
        root_.end = element.offset + 1 + element.written.size();
        root_.start = reader_.positionAt(root_.begin);
        root_.stop = reader_.positionAt(root_.end);
        if (element.rootSvgWithoutNamespace) {
            note(Kind::SvgWithoutNamespace,
                 "the root svg element has no namespace declaration "
                 "(xmlns=\"http://www.w3.org/2000/svg\"): it is read as SVG");
        }
    }

    void attribute(const ElementStart& element, const AttributeValue& value) override {
        ++summary_.attributes;
        const AttributeRow* row = value.vocabulary
                                      ? findAttribute(*value.vocabulary, element.local, value.local)
                                      : nullptr;
        if (row == nullptr) {
            ++summary_.skipped;
            return;
        }
        ++summary_.checked;
        std::optional<Finding> finding =
            judged(row, element.written, value.name, value.inStyle, value.text);
        if (!finding)
            return;
        const ByteRange bytes = reader_.bytesOf(value);
        finding->range.begin = bytes.begin;
        finding->range.end = bytes.end;
        finding->range.start = reader_.positionAt(bytes.begin);
        finding->range.stop = reader_.positionAt(bytes.end);
        if (finding->fix) {
            Edit& only = finding->fix->edits.front();
            if (fixFits(*finding->fix, bytes, value.inStyle)) {
                only.range = finding->range;
            } else if (std::optional<Edit> inner =
                           innerEdit(value.text, only.replacement, bytes, value.inStyle)) {
                inner->range.start = reader_.positionAt(inner->range.begin);
                inner->range.stop = reader_.positionAt(inner->range.end);
                only = std::move(*inner);
            } else {
                finding->fix.reset();
                const std::string_view why =
                    bytes.verbatim
                        ? "; not fixed: the rewrite holds a quote, '<', '&' or, in a style, "
                          "';', which cannot stand inside this value"
                        : "; not fixed: the value holds a reference, a tab or a line break that "
                          "the XML reader replaces, and a rewrite would lose it";
                finding->reason += why;
                finding->message += why;
            }
        }
        add(std::move(*finding), elementIgnored_);
    }

    // <!-- xmlattr-lint: ignore[KIND,...] --> silences kinds on the next
    // element; ignore-file[...] in the whole file; without a list, all kinds.
    void comment(std::string_view text, std::size_t offset) override {
        std::size_t at = 0;
        while (at < text.size() && std::strchr(" \t\r\n", text[at]) != nullptr)
            ++at;
        if (text.substr(at, kDirective.size()) != kDirective)
            return;
        at += kDirective.size();
        while (at < text.size() && std::strchr(" \t\r\n", text[at]) != nullptr)
            ++at;
        std::size_t wordEnd = at;
        while (wordEnd < text.size() &&
               (std::isalnum(static_cast<unsigned char>(text[wordEnd])) || text[wordEnd] == '-'))
            ++wordEnd;
        const std::string_view word = text.substr(at, wordEnd - at);
        std::string_view rest = text.substr(wordEnd);
        while (!rest.empty() && std::strchr(" \t\r\n", rest.back()) != nullptr)
            rest.remove_suffix(1);
        const bool list = rest.starts_with('[') && rest.ends_with(']');
        if ((word != "ignore" && word != "ignore-file") || (!rest.empty() && !list)) {
            commentNote(offset + at, offset + text.size(),
                        std::string("unknown xmlattr-lint directive: ") +
                            xmlattr_tool::quotedShort(text.substr(at)) +
                            "; write ignore[KIND,...] or ignore-file[KIND,...]");
            return;
        }
        KindSet kinds = list ? KindSet::none() : KindSet::all();
        if (list) {
            const std::size_t listAt = wordEnd + 1;
            const std::string_view names = rest.substr(1, rest.size() - 2);
            for (std::size_t pos = 0; pos <= names.size();) {
                std::size_t end = names.find(',', pos);
                if (end == std::string_view::npos)
                    end = names.size();
                std::size_t nameAt = listAt + pos;
                std::string_view name = names.substr(pos, end - pos);
                while (!name.empty() && std::strchr(" \t\r\n", name.front()) != nullptr) {
                    name.remove_prefix(1);
                    ++nameAt;
                }
                while (!name.empty() && std::strchr(" \t\r\n", name.back()) != nullptr)
                    name.remove_suffix(1);
                pos = end + 1;
                if (name.empty())
                    continue;
                if (const std::optional<Kind> kind = kindNamed(name)) {
                    kinds.add(*kind);
                } else {
                    commentNote(offset + nameAt, offset + nameAt + name.size(),
                                std::string("unknown kind ") + xmlattr_tool::quotedShort(name) +
                                    " in an xmlattr-lint comment");
                }
            }
        }
        if (word == "ignore-file")
            fileIgnored_ = kinds;
        else
            nextIgnored_ = kinds;
    }

    Result finish(std::optional<DocumentError> error, const FindingSink& sink) {
        if (skipped_)
            return Result{Summary{}, std::nullopt, true, true};
        if (!error && root_.end > 0 && !checkedVocabulary_) {
            const std::size_t before = findings_.size();
            note(Kind::NotChecked,
                 "no element is in the XSL-FO or SVG namespace: nothing in the file was checked");
            // Found at the end, it stands at the root: after what comes before
            // the root (a comment's finding), before what comes after it.
            if (findings_.size() > before) {
                const auto at = std::upper_bound(
                    findings_.begin(), findings_.end() - 1, root_.begin,
                    [](std::size_t offset, const Finding& f) { return offset < f.range.begin; });
                std::rotate(at, findings_.end() - 1, findings_.end());
            }
        }
        for (const Finding& finding : findings_) {
            if (fileIgnored_.has(finding.kind) && finding.kind != Kind::UnknownSuppression)
                ++summary_.suppressed;
            else
                sink(finding);
        }
        return Result{summary_, std::move(error), rootRead_, false};
    }

  private:
    void add(Finding finding, KindSet ignored) {
        if (!options_.kinds.has(finding.kind) || ignored.has(finding.kind)) {
            ++summary_.suppressed;
            return;
        }
        findings_.push_back(std::move(finding));
    }

    void note(Kind kind, std::string message) {
        Finding finding;
        finding.kind = kind;
        finding.severity = ruleOf(kind).severity;
        finding.reason = message;
        finding.message = std::move(message);
        finding.range = root_;
        add(std::move(finding), KindSet::none());
    }

    void commentNote(std::size_t begin, std::size_t end, std::string message) {
        Finding finding;
        finding.kind = Kind::UnknownSuppression;
        finding.severity = ruleOf(finding.kind).severity;
        finding.reason = message;
        finding.message = std::move(message);
        finding.range.begin = begin;
        finding.range.end = end;
        finding.range.start = reader_.positionAt(begin);
        finding.range.stop = reader_.positionAt(end);
        add(std::move(finding), KindSet::none());
    }

    DocumentReader& reader_;
    const Options& options_;
    Summary summary_;
    // Held until the end: an ignore-file comment silences findings before it.
    std::vector<Finding> findings_;
    KindSet nextIgnored_ = KindSet::none();
    KindSet elementIgnored_ = KindSet::none();
    KindSet fileIgnored_ = KindSet::none();
    Range root_;
    bool checkedVocabulary_ = false;
    bool rootRead_ = false;
    bool skipped_ = false;
};

}  // namespace

std::string_view attributeType(Vocabulary vocabulary, std::string_view element,
                               std::string_view name) {
    const AttributeRow* row = findAttribute(vocabulary, element, name);
    return row != nullptr ? row->type : std::string_view();
}

std::optional<Finding> judge(Vocabulary vocabulary, std::string_view element, std::string_view name,
                             std::string_view text) {
    return judged(findAttribute(vocabulary, element, name), element, name, false, text);
}

Result lintDocument(const Source& source, const FindingSink& onFinding, const Options& options) {
    DocumentReader reader(source, options.svgWithoutNamespace);
    Linter linter(reader, options);
    std::optional<DocumentError> error = reader.read(linter);
    return linter.finish(std::move(error), onFinding);
}

Result lintDocument(std::string_view bytes, const FindingSink& onFinding, const Options& options) {
    return lintDocument(sourceOf(bytes), onFinding, options);
}

Report lintDocument(std::string_view bytes, const Options& options) {
    Report report;
    report.result = lintDocument(
        bytes, [&](const Finding& finding) { report.findings.push_back(finding); }, options);
    return report;
}

}  // namespace xmlattr::lint
