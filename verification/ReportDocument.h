#pragma once

#include <string>
#include <vector>

// A report as headings, paragraphs and tables, rendered either as plain text for a terminal
// (aligned columns, underlined headings) or as Markdown (pipe tables). Texts are UTF-8; column
// widths count characters, not bytes. Paragraphs are wrapped at 100 characters in both forms,
// which Markdown reads as one paragraph.
struct ReportTable {
    std::vector<std::string> header;
    std::vector<bool> rightAligned;  // per column; numbers read best right-aligned
    std::vector<std::vector<std::string>> rows;
};

struct ReportBlock {
    enum class Kind { Heading, Paragraph, Table };
    Kind kind;
    int level = 0;  // headings: 1 the title, 2 a part, 3 a case
    std::string text;
    ReportTable table;
};

class CReportDocument {
public:
    void Heading(int level, std::string text);
    void Paragraph(std::string text);
    void Table(ReportTable table);

    std::string RenderText() const;
    std::string RenderMarkdown() const;

private:
    std::string Render(bool markdown) const;

    std::vector<ReportBlock> blocks_;
};

// Characters in a UTF-8 text (code points, every one taken as one column wide).
std::size_t DisplayWidth(const std::string& text);
