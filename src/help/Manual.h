// Penwick's manual: paragraphs, each looked up in the user's language, styled by one
// rule applied to the translated text: the title bold at 14 points; a paragraph ending in a
// full stop ("." or "。") regular at 12; any other paragraph, a heading, bold at 12. So each
// translation decides its own headings.
#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace penwick::help {

struct ManualParagraph
{
    QString text; // followed by two line breaks when shown
    bool bold = false;
    int pointSize = 12;
    friend bool operator==(const ManualParagraph &, const ManualParagraph &) = default;
};

// The manual's paragraphs in order, each text passed through translate (English key in, text
// out); by default the application's installed translations.
QList<ManualParagraph> manual(const std::function<QString(const char *english)> &translate = {});

} // namespace penwick::help
