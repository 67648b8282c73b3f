// SPDX-License-Identifier: MIT
#include "datasheet_pdf_reader.h"

#include <algorithm>
#include <cmath>
#include <regex>
#include <sstream>

#include "support/pdf_tools.h"

namespace keld::test {
namespace {

// pdftotext boxes a Helvetica word from its descender to its ascender
// (0.207 and 0.718 of the size), so the baseline lies that share of the box
// height above the box's lower edge.
constexpr double kDescentShareOfBox = 0.207 / (0.718 + 0.207);

std::string Unescaped(std::string text) {
    const std::pair<const char*, const char*> entities[] = {{"&lt;", "<"},   {"&gt;", ">"},  {"&quot;", "\""},
                                                            {"&apos;", "'"}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities) {
        for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
            text.replace(at, std::string(entity).size(), character);
        }
    }
    return text;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

}  // namespace

std::vector<PdfWord> ReadPdfWords(const std::string& pdfPath) {
    const CommandResult result = Run("pdftotext -enc UTF-8 -bbox " + ShellQuoted(pdfPath) + " -");
    std::vector<PdfWord> words;
    if (result.exitCode != 0) return words;

    static const std::regex page(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    static const std::regex word(
        R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">(.*)</word>)re");
    int pageNumber = 0;
    double pageHeight = 0;
    std::istringstream lines(result.output);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_search(line, match, page)) {
            ++pageNumber;
            pageHeight = std::stod(match[2]);
        } else if (std::regex_search(line, match, word)) {
            const double top = std::stod(match[2]);
            const double bottom = std::stod(match[4]);
            PdfWord w;
            w.page = pageNumber;
            w.text = Unescaped(match[5]);
            w.left = std::stod(match[1]);
            w.right = std::stod(match[3]);
            w.height = bottom - top;
            w.baseline = pageHeight - bottom + kDescentShareOfBox * (bottom - top);
            words.push_back(w);
        }
    }
    return words;
}

std::vector<TextPlace> FindText(const std::vector<PdfWord>& words, int page, const std::string& text) {
    const std::vector<std::string> wanted = Words(text);
    std::vector<TextPlace> places;
    if (wanted.empty()) return places;
    for (const PdfWord& first : words) {
        if (first.page != page || first.text != wanted[0]) continue;
        // The rest of its line, left to right, starting after it.
        std::vector<const PdfWord*> rest;
        for (const PdfWord& w : words) {
            if (w.page == page && std::abs(w.baseline - first.baseline) < 1.0 && w.left > first.left) {
                rest.push_back(&w);
            }
        }
        std::sort(rest.begin(), rest.end(),
                  [](const PdfWord* a, const PdfWord* b) { return a->left < b->left; });
        bool match = rest.size() + 1 >= wanted.size();
        for (std::size_t k = 1; match && k < wanted.size(); ++k) match = rest[k - 1]->text == wanted[k];
        if (match) places.push_back({first.left, first.baseline});
    }
    return places;
}

bool HasTextAt(const std::vector<PdfWord>& words, int page, const std::string& text, double x, double y) {
    for (const TextPlace& place : FindText(words, page, text)) {
        if (std::abs(place.left - x) <= 0.5 && std::abs(place.baseline - y) <= 1.0) return true;
    }
    return false;
}

bool HasTextOnLine(const std::vector<PdfWord>& words, int page, const std::string& text, double y) {
    for (const TextPlace& place : FindText(words, page, text)) {
        if (std::abs(place.baseline - y) <= 1.0) return true;
    }
    return false;
}

std::string LineText(const std::vector<PdfWord>& words, int page, double y) {
    std::vector<const PdfWord*> line;
    for (const PdfWord& w : words) {
        if (w.page == page && std::abs(w.baseline - y) <= 1.0) line.push_back(&w);
    }
    std::sort(line.begin(), line.end(), [](const PdfWord* a, const PdfWord* b) { return a->left < b->left; });
    std::string text;
    for (const PdfWord* w : line) text += (text.empty() ? "" : " ") + w->text;
    return text;
}

std::vector<int> ImagesPerPage(const std::string& pdfPath, int pageCount) {
    std::vector<int> counts(static_cast<std::size_t>(pageCount), 0);
    const CommandResult result = Run("pdfimages -list " + ShellQuoted(pdfPath));
    std::istringstream lines(result.output);
    std::string line;
    while (std::getline(lines, line) && line.rfind("---", 0) != 0) {
    }
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        int page = 0;
        if (fields >> page && page >= 1 && page <= pageCount) ++counts[static_cast<std::size_t>(page - 1)];
    }
    return counts;
}

std::optional<std::string> PdfInfoField(const std::string& pdfPath, const std::string& key) {
    const CommandResult result = Run("pdfinfo " + ShellQuoted(pdfPath));
    std::istringstream lines(result.output);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(key + ":", 0) != 0) continue;
        const std::size_t start = line.find_first_not_of(' ', key.size() + 1);
        return start == std::string::npos ? std::string() : line.substr(start);
    }
    return std::nullopt;
}

std::string PdfPlainText(const std::string& pdfPath) {
    return Run("pdftotext -enc UTF-8 " + ShellQuoted(pdfPath) + " -").output;
}

}  // namespace keld::test
