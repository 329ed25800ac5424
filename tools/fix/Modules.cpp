#include "tools/fix/Modules.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

#include "tools/fix/Rewrite.h"

namespace xmlattr::fix {

namespace {

namespace fs = std::filesystem;

bool isStylesheetName(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    std::string extension = name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == "xsl" || extension == "xslt";
}

}  // namespace

std::vector<lint::SetUse> setUsesBeside(const std::string& path) {
    struct Module {
        fs::path path;
        lint::ModuleLinks links;
    };
    const auto read = [](const fs::path& file) {
        const ReadFile bytes = readFile(file.string());
        return bytes.ok() ? lint::moduleLinks(bytes.bytes) : lint::ModuleLinks{};
    };
    std::error_code error;
    const fs::path self = fs::weakly_canonical(path, error);
    std::vector<Module> modules{{self, read(self)}};
    if (error || !modules[0].links.stylesheet || modules[0].links.sets.empty())
        return {};
    // The stylesheets of its folder, each read once.
    std::vector<Module> folder;
    for (fs::directory_iterator it(self.parent_path(), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (isStylesheetName(name) && it->path() != self)
            folder.push_back({it->path(), read(it->path())});
    }
    const auto known = [&](const fs::path& file) {
        return std::any_of(modules.begin(), modules.end(),
                           [&](const Module& m) { return m.path == file; });
    };
    const auto target = [](const Module& from, const std::string& href) {
        std::error_code ignored;
        return fs::weakly_canonical(from.path.parent_path() / href, ignored);
    };
    for (bool grown = true; grown;) {
        grown = false;
        for (std::size_t i = 0; i < modules.size(); ++i) {
            for (const std::string& href : modules[i].links.modules) {
                const fs::path linked = target(modules[i], href);
                if (!known(linked) && fs::is_regular_file(linked, error)) {
                    modules.push_back({linked, read(linked)});
                    grown = true;
                }
            }
        }
        for (Module& module : folder) {
            if (known(module.path))
                continue;
            const auto& hrefs = module.links.modules;
            if (std::any_of(hrefs.begin(), hrefs.end(),
                            [&](const std::string& href) { return known(target(module, href)); })) {
                modules.push_back(std::move(module));
                grown = true;
            }
        }
    }
    std::vector<lint::SetUse> uses;
    for (std::size_t i = 1; i < modules.size(); ++i) {
        for (lint::SetUse& use : modules[i].links.uses)
            uses.push_back(std::move(use));
    }
    return uses;
}

}  // namespace xmlattr::fix
