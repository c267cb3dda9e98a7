#include "ReportDocument.h"

#include <algorithm>
#include <sstream>

namespace {

constexpr std::size_t kLineWidth = 100;

std::string Repeated(const std::string& piece, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

// The words of a paragraph, filled into lines of at most kLineWidth characters.
std::string Wrapped(const std::string& text) {
    std::istringstream words(text);
    std::string word;
    std::string out;
    std::size_t column = 0;
    while (words >> word) {
        const std::size_t width = DisplayWidth(word);
        if (column > 0 && column + 1 + width > kLineWidth) {
            out += '\n';
            column = 0;
        } else if (column > 0) {
            out += ' ';
            ++column;
        }
        out += word;
        column += width;
    }
    return out + '\n';
}

std::string Padded(const std::string& text, std::size_t width, bool right) {
    const std::size_t fill = width - std::min(width, DisplayWidth(text));
    return right ? std::string(fill, ' ') + text : text + std::string(fill, ' ');
}

std::vector<std::size_t> ColumnWidths(const ReportTable& table) {
    std::vector<std::size_t> widths;
    for (const std::string& title : table.header) {
        widths.push_back(DisplayWidth(title));
    }
    for (const auto& row : table.rows) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
        }
    }
    return widths;
}

bool RightAligned(const ReportTable& table, std::size_t column) {
    return column < table.rightAligned.size() && table.rightAligned[column];
}

std::string TextTable(const ReportTable& table) {
    const std::vector<std::size_t> widths = ColumnWidths(table);
    auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const std::string cell = c < cells.size() ? cells[c] : std::string();
            text += (c == 0 ? "" : "  ") + Padded(cell, widths[c], RightAligned(table, c));
        }
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        return text + '\n';
    };
    std::string text = line(table.header);
    std::vector<std::string> rule;
    for (std::size_t width : widths) {
        rule.push_back(Repeated("-", width));
    }
    text += line(rule);
    for (const auto& row : table.rows) {
        text += line(row);
    }
    return text;
}

// A table cell may not hold the column separator.
std::string MarkdownCell(const std::string& text) {
    std::string cell;
    for (char c : text) {
        cell += c == '|' ? std::string("\\|") : std::string(1, c);
    }
    return cell;
}

std::string MarkdownTable(const ReportTable& table) {
    auto line = [&](const std::vector<std::string>& cells) {
        std::string text = "|";
        for (std::size_t c = 0; c < table.header.size(); ++c) {
            text += " " + MarkdownCell(c < cells.size() ? cells[c] : std::string()) + " |";
        }
        return text + '\n';
    };
    std::string text = line(table.header) + "|";
    for (std::size_t c = 0; c < table.header.size(); ++c) {
        text += RightAligned(table, c) ? "---:|" : "---|";
    }
    text += '\n';
    for (const auto& row : table.rows) {
        text += line(row);
    }
    return text;
}

std::string TextHeading(const ReportBlock& heading) {
    std::string text = heading.text + '\n';
    if (heading.level <= 2) {
        text += Repeated(heading.level == 1 ? "=" : "-", DisplayWidth(heading.text)) + '\n';
    }
    return text;
}

std::string MarkdownHeading(const ReportBlock& heading) {
    return std::string(static_cast<std::size_t>(heading.level), '#') + " " + heading.text + '\n';
}

}  // namespace

std::size_t DisplayWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // not a continuation byte
    }));
}

void CReportDocument::Heading(int level, std::string text) {
    blocks_.push_back({ReportBlock::Kind::Heading, level, std::move(text), {}});
}

void CReportDocument::Paragraph(std::string text) {
    blocks_.push_back({ReportBlock::Kind::Paragraph, 0, std::move(text), {}});
}

void CReportDocument::Table(ReportTable table) {
    blocks_.push_back({ReportBlock::Kind::Table, 0, {}, std::move(table)});
}

// Text and Markdown differ only in how headings and tables are written.
std::string CReportDocument::Render(bool markdown) const {
    std::string text;
    for (const ReportBlock& block : blocks_) {
        if (!text.empty()) {
            text += '\n';
        }
        switch (block.kind) {
            case ReportBlock::Kind::Heading:
                text += markdown ? MarkdownHeading(block) : TextHeading(block);
                break;
            case ReportBlock::Kind::Paragraph:
                text += Wrapped(block.text);
                break;
            case ReportBlock::Kind::Table:
                text += markdown ? MarkdownTable(block.table) : TextTable(block.table);
                break;
        }
    }
    return text;
}

std::string CReportDocument::RenderText() const {
    return Render(false);
}

std::string CReportDocument::RenderMarkdown() const {
    return Render(true);
}
