#include "ui/WindowIcon.h"

#include <QPainter>
#include <QSvgRenderer>

// A static library's resources are registered by hand, outside any namespace.
static void RegisterEmblemResource() { Q_INIT_RESOURCE(ui); }

namespace pralomen::ui {
namespace {

QString EmblemFile() {
    static const bool registered = (RegisterEmblemResource(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/pralomen/pralomen.svg");
}

} // namespace

QIcon ProgramIcon() { return QIcon(EmblemFile()); }

QPixmap EmblemPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(EmblemFile());
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace pralomen::ui
