#include <gtest/gtest.h>

#include "cli/PdfExport.h"

namespace {

// The error parsePdfExport gives, or an empty string when it takes the line.
QString refusal(const QStringList& arguments) {
    app::PdfExportRequest r;
    QString error;
    return app::parsePdfExport(arguments, r, error) ? QString() : error;
}

bool isJapanese(const QString& s) {
    for (const QChar c : s)
        if (c.unicode() >= 0x3040 && c.unicode() <= 0x9FFF) return true;
    return false;
}

}  // namespace

TEST(CardJobArguments, WhatCannotBeHonouredIsRefusedByName) {
    const struct {
        QStringList arguments;
        const char* named;  // what the message must name
    } cases[] = {
        {{"--export-pdf", "x.pdf", "a.csv", "b.vcf"}, "b.vcf"},
        {{"--export-pdf", "x.pdf", "a.csv", "photo.jpg"}, "photo.jpg"},
        {{"--export-pdf", "x.pdf", "body.txt", "a.jpg", "b.jpg"}, "b.jpg"},
        {{"--export-pdf", "x.pdf", "body.txt", "--kind", "1"}, "--kind"},
        {{"--export-pdf", "x.pdf", "body.txt", "--rows", "1-2"}, "--rows"},
        {{"--export-pdf", "x.pdf", "body.txt", "--marks"}, "--marks"},
        {{"--export-pdf", "x.pdf", "body.txt", "--back"}, "--back"},
        {{"--export-pdf", "x.pdf", "a.csv", "--rows"}, "--rows"},
        {{"--export-pdf", "x.pdf", "a.csv", "--kind"}, "--kind"},
        {{"--export-pdf", "x.pdf", "a.csv", "--kind", "9"}, "--kind"},
        {{"--export-pdf", "x.pdf", "a.csv", "--rows", "3-1"}, "--rows"},
        {{"--export-pdf", "x.pdf", "a.csv", "--colour"}, "--colour"},
        {{"--export-pdf", "x.pdf", "notes.doc"}, "notes.doc"},
        {{"--export-pdf", "--rows", "a.csv"}, "--rows"},
        {{"--export-pdf", "x.pdf"}, ""},
        {{"--export-pdf"}, ""},
    };
    for (const auto& c : cases) {
        const QString error = refusal(c.arguments);
        const std::string line = c.arguments.join(' ').toStdString();
        EXPECT_TRUE(isJapanese(error)) << line << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.named))) << line << ": " << error.toStdString();
    }
    for (const char* rows : {"1-2-3", "1--2", "-2", "1-x", "0"})
        EXPECT_FALSE(refusal({"--export-pdf", "x.pdf", "a.csv", "--rows", rows}).isEmpty()) << rows;
}

TEST(CardJobArguments, OptionsGoWithTheSideTheyMeanSomethingFor) {
    app::PdfExportRequest r;
    QString error;
    ASSERT_TRUE(app::parsePdfExport(
        {"--export-pdf", "x.pdf", "--rows", "2-", "A.VCARD", "--kind", "3", "--back", "--marks"}, r,
        error))
        << error.toStdString();
    EXPECT_EQ(r.output, QStringLiteral("x.pdf"));
    EXPECT_EQ(r.inputs, QStringList({"A.VCARD"}));
    EXPECT_EQ(r.side, app::CardSide::Address);
    EXPECT_EQ(r.kind, 3);
    EXPECT_EQ(r.firstRow, 2);
    EXPECT_EQ(r.lastRow, 0);
    EXPECT_TRUE(r.envelopeBack && r.marks);
    ASSERT_TRUE(app::parsePdfExport({"--export-pdf", "x.pdf", "body.TXT", "p.jpg"}, r, error));
    EXPECT_EQ(r.side, app::CardSide::Message);
    EXPECT_EQ(r.inputs, QStringList({"body.TXT", "p.jpg"}));
    EXPECT_EQ(r.kind, -1);
}
