// What the window shows right after start and where it shows it.
#include "window_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using app::Field;
using app::FieldKind;

namespace {
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TEST_F(WindowTest, StartUpShowsEveryTextAndCaptionOfTheModel)
{
    EXPECT_EQ(window->windowTitle(), "Tervol Program ver. 1.2");
    for (const app::FieldInfo& info : app::CaseFields()) {
        SCOPED_TRACE(std::string(info.name));
        EXPECT_EQ(Label(info.field)->text(), Q(info.startCaption));
        switch (info.kind) {
        case FieldKind::MediumList:
            EXPECT_EQ(List(info.field)->currentIndex(), 0);
            EXPECT_EQ(List(info.field)->currentText(), "Vand");
            break;
        case FieldKind::Input:
            EXPECT_EQ(Edit(info.field)->text(), Q(info.startText));
            break;
        case FieldKind::Result:
            EXPECT_FALSE(Edit(info.field)->text().isEmpty());
            EXPECT_EQ(Edit(info.field)->text(), Q(Text(info.field)));
            break;
        }
    }
    EXPECT_EQ(List(Field::Primery)->itemText(1), "Glykol ");
    EXPECT_EQ(List(Field::Sekundery)->itemText(1), "Glykol");
    for (const app::GroupInfo& g : app::Groups())
        EXPECT_EQ(window->findChild<QGroupBox*>(Q(g.name))->title(), Q(g.startCaption));
    for (const app::ButtonInfo& b : app::Buttons())
        EXPECT_EQ(Button(b.name.data())->text(), Q(b.startCaption));
}

TEST_F(WindowTest, ControlsStandAtTheirPixels)
{
    struct Place {
        const char* name;
        const char* parent;
        QRect rect;
    };
    const Place places[] = {
        {"GroupBox1", "", {13, 37, 292, 449}},       {"GroupBox3", "GroupBox1", {7, 260, 274, 183}},
        {"GroupBox2", "", {317, 37, 292, 449}},      {"GroupBox4", "GroupBox2", {7, 176, 274, 267}},
        {"Primery", "GroupBox1", {219, 20, 60, 21}}, {"EPs_nom", "GroupBox1", {219, 228, 60, 21}},
        {"primery1", "GroupBox2", {221, 20, 60, 21}}, {"Etse", "GroupBox2", {221, 150, 60, 21}},
        {"EAOp_nom", "GroupBox3", {209, 20, 60, 20}}, {"EUA_nom", "GroupBox3", {209, 150, 60, 20}},
        {"Etpa_beregn", "GroupBox4", {209, 26, 60, 20}}, {"EUA", "GroupBox4", {209, 234, 60, 20}},
        {"BitBtn1", "", {624, 40, 121, 25}},         {"BitBtnHentSag", "", {624, 104, 121, 25}},
        {"BitBtnHelp", "", {624, 200, 121, 25}},     {"BitBtn4", "", {624, 232, 121, 25}},
        {"BitBtnDK", "", {648, 272, 73, 49}},        {"BitBtnUK", "", {648, 328, 73, 49}},
    };
    EXPECT_EQ(window->size(), QSize(760, 517));
    for (const Place& p : places) {
        SCOPED_TRACE(p.name);
        QWidget* w = Named(p.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), p.rect);
        EXPECT_EQ(w->parentWidget()->objectName(), QString(p.parent));
    }
    // Labels: left edge and top of their row, 13 px high.
    EXPECT_EQ(Label(Field::EQ_nom)->geometry().topLeft(), QPoint(13, 72));
    EXPECT_EQ(Label(Field::Em)->geometry().topLeft(), QPoint(7, 208));
    EXPECT_EQ(Label(Field::EQ_nom)->height(), 13);
}

TEST_F(WindowTest, RowLabelsFitBesideTheirFieldsInBothLanguages)
{
    for (const char* flag : {"BitBtnUK", "BitBtnDK"}) {
        Button(flag)->click();
        for (const app::FieldInfo& info : app::CaseFields()) {
            SCOPED_TRACE(std::string(flag) + " " + std::string(info.name));
            const QLabel* label = Label(info.field);
            QWidget* field = info.kind == FieldKind::MediumList ? static_cast<QWidget*>(List(info.field))
                                                                 : Edit(info.field);
            // All of the caption is shown, on at most two lines.
            EXPECT_EQ(label->text().replace(u'\n', u' '), Q(form->Caption(info.field)));
            EXPECT_LE(label->text().count(u'\n'), 1);
            EXPECT_GE(label->width(), label->sizeHint().width());
            EXPECT_GE(label->height(), label->sizeHint().height());
            // Not under its field, inside its group, clear of the next row.
            EXPECT_LT(label->geometry().right(), field->geometry().left());
            EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry()));
            for (const app::FieldInfo& other : app::CaseFields()) {
                if (other.field != info.field && other.group == info.group) {
                    EXPECT_FALSE(label->geometry().intersects(Label(other.field)->geometry()));
                }
            }
        }
        for (QPushButton* b : window->controls().buttons)
            EXPECT_LE(b->sizeHint().width(), b->width()) << b->text().toStdString();
        for (QGroupBox* g : window->findChildren<QGroupBox*>())
            EXPECT_LT(g->fontMetrics().horizontalAdvance(g->title()), g->width() - 20);
    }
}
