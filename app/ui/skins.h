// Skins: 79 looks in a fixed order, each applied to the whole application so that every
// window, open or opened later, is drawn in it. A look is made from a few base colours
// (resources/skins/skins.tsv) and one style sheet template (resources/skins/skin.qss).
// The start skin is entry 15; 更换皮肤 steps through entries 1 to 79 and then changes nothing.
// Nothing of the skin is saved.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <vector>

namespace langyue {

constexpr int kSkinCount = 79;
constexpr int kStartSkin = 15;

// One look: the base colours and the colours made from them.
struct SkinLook {
    QString name;  // the resource name is "pf_" + name; never shown
    QColor window;
    QColor text;  // on window, base and button alike
    QColor base;  // lists, edit boxes
    QColor button;
    QColor accent;  // selection, current tab, default button
    bool accent_bar = false;  // toolbar and menu bar drawn in the accent colour

    QString resource_name() const { return QStringLiteral("pf_") + name; }
    // White or black, whichever stands out more on the accent.
    QColor accent_text() const;
    // The toolbar and menu bar background and its text.
    QColor bar() const;
    QColor bar_text() const;

    bool operator==(const SkinLook& other) const = default;
};

// The 79 entries of the skin list, entry n at index n - 1.
const std::vector<SkinLook>& skin_list();

// The style sheet and palette of a look.
QString skin_style_sheet(const SkinLook& look);
QPalette skin_palette(const SkinLook& look);

// The contrast ratio of two colours (1 to 21), by their relative luminance.
double contrast_ratio(const QColor& first, const QColor& second);

// Prepares the application for skins (the style every look is drawn on); done once, by the
// first apply_skin.
void load_skin_engine();
// Applies entry `entry` (1 to 79) to the whole application; other numbers do nothing.
void apply_skin(int entry);
// Start-up: applies the start skin and sets the next skin number to 1.
void apply_start_skin();
// The 更换皮肤 command: applies the entry of the next skin number while it is at most 79,
// and counts the command in every case.
void next_skin();
// The entry applied last (0 before any), and the entry the next 更换皮肤 applies.
int current_skin();
int next_skin_number();

}  // namespace langyue
