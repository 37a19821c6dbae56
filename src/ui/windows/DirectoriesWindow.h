#pragma once

#include <QWidget>

namespace tarvelin
{

class Registry;

// The directories window `Dir`: where each game is installed, read from the games' own registry
// keys when the window opens. It only shows; it writes nothing.
class DirectoriesWindow : public QWidget
{
    Q_OBJECT

public:
    explicit DirectoriesWindow(const Registry& registry, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void closeBySliding();
};

} // namespace tarvelin
