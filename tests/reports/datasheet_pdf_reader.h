// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

// Reading a written datasheet back with poppler's command-line tools, so the
// tests check the file a user gets, not the calls that made it.
namespace keld::test {

// One word of a PDF page as pdftotext -bbox reports it, in PDF coordinates
// (origin bottom left).
struct PdfWord {
    int page = 0;  // 1-based
    std::string text;
    double left = 0;
    double right = 0;
    double baseline = 0;  // derived from the word box of a Helvetica text
    double height = 0;    // of the word box: 0.925 of the size for Helvetica
};

// The words of every page of a PDF file; empty when pdftotext fails.
std::vector<PdfWord> ReadPdfWords(const std::string& pdfPath);

// Where a text starts on a page: the left edge of its first word and its
// baseline. A text is matched as its blank-separated words, consecutive on
// one line.
struct TextPlace {
    double left = 0;
    double baseline = 0;
};

std::vector<TextPlace> FindText(const std::vector<PdfWord>& words, int page, const std::string& text);

// True when `text` stands on `page` with its first visible character at x
// (within half a point) on the baseline y (within a point).
bool HasTextAt(const std::vector<PdfWord>& words, int page, const std::string& text, double x, double y);

// True when `text` stands on `page` on the baseline y, anywhere across.
bool HasTextOnLine(const std::vector<PdfWord>& words, int page, const std::string& text, double y);

// The words of one line of a page (baseline y within a point), left to right.
std::string LineText(const std::vector<PdfWord>& words, int page, double y);

// The number of images placed on each page (index 0 is page 1), from
// pdfimages -list.
std::vector<int> ImagesPerPage(const std::string& pdfPath, int pageCount);

// The value of one "Key: value" line of pdfinfo, trimmed; nullopt when absent.
std::optional<std::string> PdfInfoField(const std::string& pdfPath, const std::string& key);

// The whole text of a PDF as pdftotext extracts it (UTF-8).
std::string PdfPlainText(const std::string& pdfPath);

}  // namespace keld::test
