// SPDX-License-Identifier: GPL-3.0-or-later
// A window of the desktop lane's own that stands in for a file manager: a press on it starts a
// drag of the files named on its command line, as file URLs.
//
// Usage: desktop_drag_source FILE...

#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

namespace
{

class DragSource : public QLabel
{
public:
    explicit DragSource(QList<QUrl> urls)
        : QLabel(QStringLiteral("Drag me")), urls_(std::move(urls))
    {
        setWindowTitle(QStringLiteral("Drag source"));
        setAlignment(Qt::AlignCenter);
        resize(200, 120);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto* data = new QMimeData;
        data->setUrls(urls_);
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction done = drag->exec(Qt::CopyAction, Qt::CopyAction);
        setText(done == Qt::CopyAction ? QStringLiteral("Dropped") : QStringLiteral("Refused"));
    }

private:
    QList<QUrl> urls_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QList<QUrl> urls;
    for (const QString& path : app.arguments().mid(1))
        urls << QUrl::fromLocalFile(path);
    DragSource source(urls);
    source.show();
    return app.exec();
}
