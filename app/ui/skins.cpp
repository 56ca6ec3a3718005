#include "app/ui/skins.h"

#include <QApplication>
#include <QFile>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>

// Qt resources in a static library are registered by hand.
static void register_skin_resources() { Q_INIT_RESOURCE(skins); }

namespace langyue {
namespace {

int g_next_skin_number = 1;
int g_current_skin = 0;

QColor mix(const QColor& from, const QColor& to, double share) {
    const auto blend = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return QColor(blend(from.red(), to.red()), blend(from.green(), to.green()),
                  blend(from.blue(), to.blue()));
}

QString read_resource(const QString& path) {
    register_skin_resources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// Reads skins.tsv: "#" lines are comments, the first other line names the columns; an entry
// whose second column is "@n" repeats entry n.
std::vector<SkinLook> read_skin_list() {
    std::vector<SkinLook> list;
    bool header = true;
    for (const QString& line : read_resource(QStringLiteral(":/skins/skins.tsv")).split('\n')) {
        const QString row = line.trimmed();
        if (row.isEmpty() || row.startsWith('#')) continue;
        if (header) {
            header = false;
            continue;
        }
        const QStringList fields = row.split('\t');
        if (fields.size() >= 2 && fields[1].startsWith('@')) {
            const qsizetype repeated = fields[1].mid(1).toInt();
            if (repeated >= 1 && repeated <= qsizetype(list.size())) {
                list.push_back(list[repeated - 1]);
            }
            continue;
        }
        if (fields.size() < 8) continue;
        list.push_back({fields[1], QColor(fields[2]), QColor(fields[3]), QColor(fields[4]),
                        QColor(fields[5]), QColor(fields[6]), fields[7] == QStringLiteral("1")});
    }
    return list;
}

double relative_luminance(const QColor& colour) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

}  // namespace

QColor SkinLook::accent_text() const {
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    return contrast_ratio(accent, white) >= contrast_ratio(accent, black) ? white : black;
}

QColor SkinLook::bar() const { return accent_bar ? accent : mix(window, button, 0.4); }

QColor SkinLook::bar_text() const { return accent_bar ? accent_text() : text; }

const std::vector<SkinLook>& skin_list() {
    static const std::vector<SkinLook> list = read_skin_list();
    return list;
}

double contrast_ratio(const QColor& first, const QColor& second) {
    const double a = relative_luminance(first);
    const double b = relative_luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QString skin_style_sheet(const SkinLook& look) {
    static const QString sheet_template = read_resource(QStringLiteral(":/skins/skin.qss"));
    const QColor border = mix(look.window, look.text, 0.28);
    const struct {
        const char* name;
        QColor colour;
    } colours[] = {
        {"window", look.window},
        {"text", look.text},
        {"base", look.base},
        {"button", look.button},
        {"accent", look.accent},
        {"accent_text", look.accent_text()},
        {"border", border},
        {"button_hover", mix(look.button, look.accent, 0.15)},
        {"button_pressed", mix(look.button, look.accent, 0.3)},
        {"disabled", mix(look.text, look.window, 0.5)},
        {"bar", look.bar()},
        {"bar_text", look.bar_text()},
        {"bar_selected", look.accent_bar ? look.window : look.accent},
        {"bar_selected_text", look.accent_bar ? look.text : look.accent_text()},
        {"bar_line", look.accent_bar ? mix(look.accent, look.accent_text(), 0.4) : border},
    };
    QString sheet = sheet_template;
    for (const auto& colour : colours) {
        sheet.replace(QLatin1Char('{') + QLatin1String(colour.name) + QLatin1Char('}'),
                      colour.colour.name());
    }
    return sheet;
}

QPalette skin_palette(const SkinLook& look) {
    QPalette palette;
    const QColor disabled = mix(look.text, look.window, 0.5);
    palette.setColor(QPalette::Window, look.window);
    palette.setColor(QPalette::WindowText, look.text);
    palette.setColor(QPalette::Base, look.base);
    palette.setColor(QPalette::AlternateBase, mix(look.base, look.window, 0.6));
    palette.setColor(QPalette::Text, look.text);
    palette.setColor(QPalette::Button, look.button);
    palette.setColor(QPalette::ButtonText, look.text);
    palette.setColor(QPalette::BrightText, look.accent_text());
    palette.setColor(QPalette::Highlight, look.accent);
    palette.setColor(QPalette::HighlightedText, look.accent_text());
    palette.setColor(QPalette::ToolTipBase, look.base);
    palette.setColor(QPalette::ToolTipText, look.text);
    palette.setColor(QPalette::PlaceholderText, disabled);
    palette.setColor(QPalette::Link, look.accent);
    palette.setColor(QPalette::LinkVisited, mix(look.accent, look.text, 0.3));
    palette.setColor(QPalette::Light, mix(look.button, Qt::white, 0.5));
    palette.setColor(QPalette::Midlight, mix(look.button, Qt::white, 0.25));
    palette.setColor(QPalette::Mid, mix(look.button, look.text, 0.25));
    palette.setColor(QPalette::Dark, mix(look.button, look.text, 0.45));
    palette.setColor(QPalette::Shadow, mix(look.window, Qt::black, 0.6));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text,
                                           QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, mix(look.accent, look.window, 0.5));
    return palette;
}

void load_skin_engine() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
}

void apply_skin(int entry) {
    const std::vector<SkinLook>& list = skin_list();
    if (entry < 1 || entry > int(list.size())) return;
    load_skin_engine();
    const SkinLook& look = list[entry - 1];
    QApplication::setPalette(skin_palette(look));
    qApp->setStyleSheet(skin_style_sheet(look));
    g_current_skin = entry;
}

void apply_start_skin() {
    apply_skin(kStartSkin);
    g_next_skin_number = 1;
}

void next_skin() {
    if (g_next_skin_number <= kSkinCount) apply_skin(g_next_skin_number);
    ++g_next_skin_number;
}

int current_skin() { return g_current_skin; }

int next_skin_number() { return g_next_skin_number; }

}  // namespace langyue
