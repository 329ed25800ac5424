// The lint engine's entry points: each attribute the document reader hands
// over is looked up in the attribute table, judged as its type, and, when it
// is not read as written, given as a Finding with its place. Comments may
// silence kinds on the next element or in the whole file.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <span>
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
    const Grammar grammar{row->numberIsRatio};
    std::optional<Verdict> verdict = judgeText(*type, text, grammar);
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
    if (verdict->fix && verdict->fix->text != text &&
        !judgeText(*type, verdict->fix->text, grammar)) {
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

SetUse useOf(std::string_view set, const ElementStart* element, std::string_view bySet) {
    SetUse use{std::string(set), std::nullopt, {}, {}, std::string(bySet)};
    if (element != nullptr) {
        use.vocabulary = element->vocabulary;
        use.element = element->written;
        use.local = element->local;
    }
    return use;
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
        if (ElementIndex* index = options_.index; index != nullptr && !index->elements.empty() &&
                                                  index->elements.back().begin == element.offset)
            index->elements.back().ignored = elementIgnored_;
        if (element.vocabulary == Vocabulary::Fo || element.vocabulary == Vocabulary::Svg)
            checkedVocabulary_ = true;
        if (!element.root)
            return;
        rootRead_ = true;
        stylesheet_ = element.stylesheet;
        declaresFo_ = element.declaresFo;
        declaresSvg_ = element.declaresSvg;
        if (options_.skipOtherRoots && !element.stylesheet &&
            element.vocabulary != Vocabulary::Fo && element.vocabulary != Vocabulary::Svg) {
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
        if (value.elsewhere) {
            // Judged at the end, once the uses of its set are known.
            Pending pending{std::string(value.set),
                            value.vocabulary,
                            std::string(value.name),
                            std::string(value.local),
                            std::string(value.text),
                            {},
                            {},
                            std::string(value.unfixable),
                            value.literal,
                            elementIgnored_};
            pending.bytes = placeOf(value, pending.range);
            pending_.push_back(std::move(pending));
            return;
        }
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
        const ByteRange bytes = placeOf(value, finding->range);
        place(*finding, bytes, value.text, value.inStyle, value.literal || value.avt,
              value.unfixable, true);
        add(std::move(*finding), elementIgnored_);
    }

    void computed() override {
        ++summary_.attributes;
        ++summary_.computed;
    }

    void setUse(std::string_view set, const ElementStart* element,
                std::string_view bySet) override {
        uses_.push_back(useOf(set, element, bySet));
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
        if (stylesheet_) {
            for (const Pending& pending : pending_)
                resolve(pending);
            // Values judged at the end go where they stand.
            std::stable_sort(
                findings_.begin(), findings_.end(),
                [](const Finding& a, const Finding& b) { return a.range.begin < b.range.begin; });
            if (options_.skipOtherRoots && !checkedVocabulary_ && !error)
                skipped_ = true;
        }
        if (skipped_)
            return Result{Summary{}, std::nullopt, true, true, stylesheet_};
        if (!error && root_.end > 0 && !checkedVocabulary_) {
            const std::size_t before = findings_.size();
            note(Kind::NotChecked,
                 stylesheet_ ? "the stylesheet writes no element in the XSL-FO or SVG namespace: "
                               "nothing in it was checked"
                             : "no element is in the XSL-FO or SVG namespace: nothing in the "
                               "file was checked");
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
        return Result{summary_, std::move(error), rootRead_, false, stylesheet_};
    }

    // For valueAt: what is said of the value of an attribute set (or on no
    // known element) whose text begins at offset, as on the first element
    // it lands on.
    void probe(std::size_t offset) { probe_ = offset; }

    // For lintElement: judges one element as after the comments before it.
    void alone(KindSet ignored, KindSet fileIgnored) {
        nextIgnored_ = ignored;
        fileIgnored_ = fileIgnored;
    }
    KindSet fileIgnored() const { return fileIgnored_; }
    std::optional<Value> probed() && { return std::move(probed_); }

  private:
    // A value of an attribute set, or on an element not known here.
    struct Pending {
        std::string set;
        std::optional<Vocabulary> vocabulary;
        std::string name;
        std::string local;
        std::string text;
        ByteRange bytes;
        Range range;
        std::string unfixable;
        bool literal;
        KindSet ignored;
    };

    // Where value stands, in range; its bytes.
    ByteRange placeOf(const AttributeValue& value, Range& range) {
        if (value.placed != nullptr) {
            range = {value.placed->bytes.begin, value.placed->bytes.end, value.placed->start,
                     value.placed->stop};
            return value.placed->bytes;
        }
        const ByteRange bytes = reader_.bytesOf(value);
        range.begin = bytes.begin;
        range.end = bytes.end;
        range.start = reader_.positionAt(bytes.begin);
        range.stop = reader_.positionAt(bytes.end);
        return bytes;
    }

    // Places finding's fix on its bytes, or on the part of them it changes
    // (a value across lines keeps its line breaks; only while the reader
    // still holds the bytes, when now), or says why it cannot be written
    // there. In a stylesheet's expression (a string literal, an attribute
    // value template) the rewrite must neither close the literal nor open
    // an expression.
    void place(Finding& finding, const ByteRange& bytes, std::string_view text, bool inStyle,
               bool expression, std::string_view unfixable, bool now) {
        if (!finding.fix)
            return;
        Edit& only = finding.fix->edits.front();
        const bool xsltSafe =
            !expression || only.replacement.find_first_of("'\"{}") == std::string::npos;
        if (unfixable.empty() && xsltSafe) {
            if (fixFits(*finding.fix, bytes, inStyle)) {
                only.range = finding.range;
                return;
            }
            if (now) {
                if (std::optional<Edit> inner = innerEdit(text, only.replacement, bytes, inStyle)) {
                    inner->range.start = reader_.positionAt(inner->range.begin);
                    inner->range.stop = reader_.positionAt(inner->range.end);
                    only = std::move(*inner);
                    return;
                }
            }
        }
        finding.fix.reset();
        std::string why = "; not fixed: ";
        if (!unfixable.empty())
            why += unfixable;
        else if (!xsltSafe)
            why += "the rewrite holds a quote or a brace, which XSLT would read in this value";
        else if (bytes.verbatim)
            why +=
                "the rewrite holds a quote, '<', '&' or, in a style, ';', which cannot stand "
                "inside this value";
        else
            why +=
                "the value holds a reference, a tab or a line break that the XML reader "
                "replaces, and a rewrite would lose it";
        finding.reason += why;
        finding.message += why;
    }

    // Judges a value of an attribute set as on each element that uses the
    // set (through the sets that use it too); where no use is known, as the
    // type that holds it on every element, when there is one.
    void resolve(const Pending& pending) {
        struct Landing {
            const SetUse* use;
            const AttributeRow* row;
        };
        std::vector<Landing> landings;
        bool unknownUse = false;
        if (!pending.set.empty()) {
            const std::vector<const SetUse*>& elements = usesOf(pending.set, unknownUse);
            for (const SetUse* use : elements) {
                const std::optional<Vocabulary> vocabulary =
                    pending.vocabulary ? pending.vocabulary : use->vocabulary;
                landings.push_back({use, vocabulary
                                             ? findAttribute(*vocabulary, use->local, pending.local)
                                             : nullptr});
            }
        }
        if (landings.empty()) {
            const AttributeRow* row = everyRow(pending);
            if (row == nullptr) {
                ++summary_.skipped;
                return;
            }
            ++summary_.checked;
            checkedVocabulary_ = checkedVocabulary_ || row->vocabulary != Vocabulary::Xml;
            std::string where = pending.set.empty()
                                    ? "; not on an element known here"
                                    : "; in attribute set '" + pending.set + "', " +
                                          (unknownUse ? "used on elements not known here"
                                                      : "not used where it is known");
            where += ": judged as on any element";
            judgeAs(pending, row,
                    row->vocabulary == Vocabulary::Svg  ? "any SVG element"
                    : row->vocabulary == Vocabulary::Fo ? "any XSL-FO element"
                                                        : "any element",
                    where);
            return;
        }
        bool checked = false;
        for (std::size_t i = 0; i < landings.size(); ++i) {
            const AttributeRow* row = landings[i].row;
            if (row == nullptr)
                continue;
            checked = true;
            const bool first = std::none_of(landings.begin(), landings.begin() + i,
                                            [&](const Landing& l) { return l.row == row; });
            if (!first)
                continue;
            const std::optional<Vocabulary> on = landings[i].use->vocabulary;
            checkedVocabulary_ =
                checkedVocabulary_ || on == Vocabulary::Fo || on == Vocabulary::Svg;
            // Where the set is used, a few of the elements for this type.
            std::string where = "; in attribute set '" + pending.set + "', used on ";
            std::vector<std::string_view> named;
            for (std::size_t j = i; j < landings.size(); ++j) {
                const std::string& element = landings[j].use->element;
                if (landings[j].row != row ||
                    std::find(named.begin(), named.end(), element) != named.end())
                    continue;
                if (named.size() == 3) {
                    where += ", ...";
                    break;
                }
                where += named.empty() ? element : ", " + element;
                named.push_back(element);
            }
            judgeAs(pending, row, landings[i].use->element, where);
        }
        ++(checked ? summary_.checked : summary_.skipped);
    }

    // The elements that use set, through the sets that use it too, found once
    // per set; unknown tells whether an element not known here does.
    const std::vector<const SetUse*>& usesOf(const std::string& set, bool& unknown) {
        if (index_.empty()) {
            for (const SetUse& use : uses_)
                index_.push_back(&use);
            for (const SetUse& use : options_.setUses)
                index_.push_back(&use);
            std::sort(index_.begin(), index_.end(),
                      [](const SetUse* a, const SetUse* b) { return a->set < b->set; });
        }
        auto cached = landed_.find(set);
        if (cached == landed_.end()) {
            Landed landed;
            std::vector<std::string_view> sets{set};
            for (std::size_t next = 0; next < sets.size(); ++next) {
                const auto [first, last] = std::equal_range(
                    index_.begin(), index_.end(), sets[next],
                    [](const auto& a, const auto& b) { return nameOf(a) < nameOf(b); });
                for (auto at = first; at != last; ++at) {
                    const SetUse& use = **at;
                    if (!use.bySet.empty()) {
                        if (std::find(sets.begin(), sets.end(), use.bySet) == sets.end())
                            sets.push_back(use.bySet);
                    } else if (use.element.empty()) {
                        landed.unknown = true;
                    } else {
                        landed.elements.push_back(&use);
                    }
                }
            }
            cached = landed_.emplace(set, std::move(landed)).first;
        }
        unknown = cached->second.unknown;
        return cached->second.elements;
    }
    static std::string_view nameOf(const SetUse* use) { return use->set; }
    static std::string_view nameOf(std::string_view name) { return name; }

    // The row that holds a value on any element, in the vocabulary it is in
    // or those the stylesheet declares; none where they differ.
    const AttributeRow* everyRow(const Pending& pending) const {
        if (pending.vocabulary)
            return findAttributeOnEvery(*pending.vocabulary, pending.local);
        // Declaring neither, it may write either.
        const bool either = !declaresFo_ && !declaresSvg_;
        const AttributeRow* fo =
            declaresFo_ || either ? findAttributeOnEvery(Vocabulary::Fo, pending.local) : nullptr;
        const AttributeRow* svg =
            declaresSvg_ || either ? findAttributeOnEvery(Vocabulary::Svg, pending.local) : nullptr;
        if (fo != nullptr && svg != nullptr && fo->type != svg->type)
            return nullptr;
        return fo != nullptr ? fo : svg;
    }

    void judgeAs(const Pending& pending, const AttributeRow* row, std::string_view element,
                 const std::string& where) {
        std::optional<Finding> finding = judged(row, element, pending.name, false, pending.text);
        if (finding) {
            finding->reason += where;
            finding->message += where;
        }
        if (pending.range.begin == probe_ && !probed_) {
            probed_ =
                Value{row->vocabulary, std::string(element), pending.name, false, pending.text,
                      row->type,       pending.range,        finding};
        }
        if (!finding)
            return;
        finding->range = pending.range;
        place(*finding, pending.bytes, pending.text, false, pending.literal, pending.unfixable,
              false);
        add(std::move(*finding), pending.ignored);
    }

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
    bool stylesheet_ = false;
    bool declaresFo_ = false;
    bool declaresSvg_ = false;
    std::vector<Pending> pending_;
    std::vector<SetUse> uses_;
    // The uses of the sets, this module's and its neighbours', by set name.
    std::vector<const SetUse*> index_;
    struct Landed {
        std::vector<const SetUse*> elements;
        bool unknown = false;
    };
    std::map<std::string, Landed, std::less<>> landed_;
    std::size_t probe_ = std::string_view::npos;
    std::optional<Value> probed_;
};

// The first reading of a stylesheet module: its links, no judging.
class LinkReader final : public DocumentHandler {
  public:
    void startElement(const ElementStart& element) override {
        if (element.root)
            links.stylesheet = element.stylesheet;
    }
    void attribute(const ElementStart&, const AttributeValue& value) override {
        if (!value.set.empty() &&
            std::find(links.sets.begin(), links.sets.end(), value.set) == links.sets.end())
            links.sets.emplace_back(value.set);
    }
    void comment(std::string_view, std::size_t) override {}
    void setUse(std::string_view set, const ElementStart* element,
                std::string_view bySet) override {
        links.uses.push_back(useOf(set, element, bySet));
    }
    void module(std::string_view href) override { links.modules.emplace_back(href); }

    ModuleLinks links;
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

std::optional<Value> elsewhereValueAt(std::string_view bytes, std::size_t begin,
                                      const Options& options) {
    const Source source = sourceOf(bytes);
    DocumentReader reader(source, options.svgWithoutNamespace);
    Linter linter(reader, options);
    linter.probe(begin);
    std::optional<DocumentError> error = reader.read(linter);
    linter.finish(std::move(error), [](const Finding&) {});
    return std::move(linter).probed();
}

ModuleLinks moduleLinks(std::string_view bytes) {
    const Source source = sourceOf(bytes);
    DocumentReader reader(source, false);
    LinkReader links;
    reader.read(links);
    return std::move(links.links);
}

Result lintDocument(const Source& source, const FindingSink& onFinding, const Options& options) {
    DocumentReader reader(source, options.svgWithoutNamespace);
    if (options.index != nullptr) {
        *options.index = ElementIndex{};
        reader.indexInto(options.index);
    }
    Linter linter(reader, options);
    std::optional<DocumentError> error = reader.read(linter);
    Result result = linter.finish(std::move(error), onFinding);
    if (options.index != nullptr) {
        options.index->usable = options.index->usable && !result.error && !result.skipped &&
                                !options.index->elements.empty();
        options.index->fileIgnored = linter.fileIgnored();
    }
    return result;
}

std::optional<std::vector<Finding>> lintElement(std::string_view bytes, const ElementIndex& index,
                                                const ElementIndex::Element& element, Position at,
                                                const Options& options) {
    if (!index.usable || element.end > bytes.size() || element.end < element.begin + 2 ||
        bytes[element.begin] != '<' || bytes[element.end - 1] != '>')
        return std::nullopt;
    // The start tag alone, made empty so that it ends the document.
    std::string tag(bytes.substr(element.begin, element.end - element.begin - 1));
    if (!tag.ends_with('/'))
        tag += '/';
    tag += '>';
    const Source source = sourceOf(tag);
    DocumentReader reader(source, options.svgWithoutNamespace);
    reader.readAlone(index, element, at);
    Options alone = options;
    alone.index = nullptr;
    Linter linter(reader, alone);
    linter.alone(element.ignored, index.fileIgnored);
    std::vector<Finding> findings;
    const Result result =
        linter.finish(reader.read(linter), [&](const Finding& f) { findings.push_back(f); });
    if (result.error)
        return std::nullopt;
    return findings;
}

const ElementIndex::Element* ElementIndex::holding(std::size_t begin, std::size_t end) const {
    const auto after =
        std::upper_bound(elements.begin(), elements.end(), begin,
                         [](std::size_t offset, const Element& e) { return offset < e.begin; });
    if (after == elements.begin())
        return nullptr;
    const Element& element = *(after - 1);
    return end < element.end ? &element : nullptr;
}

void ElementIndex::edited(std::size_t begin, std::size_t end, std::size_t size) {
    const auto after =
        std::lower_bound(elements.begin(), elements.end(), end,
                         [](const Element& e, std::size_t offset) { return e.begin < offset; });
    // The tag that holds the edit grows or shrinks; those after it move.
    if (after != elements.begin() && (after - 1)->end > begin)
        (after - 1)->end = (after - 1)->end - end + begin + size;
    if (size == end - begin)
        return;
    const std::size_t delta = begin + size - end;  // modulo 2^N: a shrink wraps back
    for (auto each = after; each != elements.end(); ++each) {
        each->begin += delta;
        each->end += delta;
    }
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
