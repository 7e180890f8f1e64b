#include "app/windows/frmSplash.h"

#include "app/AppState.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QVBoxLayout>

namespace mk21 {

namespace {
constexpr QSize EmptySize{480, 300};
} // namespace

QString frmSplash::PicturePath(const AppState& state)
{
    switch (state.settings.CurrentLanguage) {
    case 1: return QDir(state.settings.ProgramFolder).filePath(QStringLiteral("StartE.jpg"));
    case 2: return QDir(state.settings.ProgramFolder).filePath(QStringLiteral("StartC.jpg"));
    default: return {};
    }
}

frmSplash::frmSplash(AppState& state, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    picLogo = new QLabel(this);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picLogo);

    // A missing or unreadable picture leaves the box empty; the start goes on.
    const QString path = PicturePath(state);
    const QPixmap picture = path.isEmpty() ? QPixmap() : QPixmap(path);
    if (!picture.isNull())
        picLogo->setPixmap(picture);
    setFixedSize(picture.isNull() ? EmptySize : picture.size());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(HandOverMs);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::HandOver);
    Timer1->start();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picLogo && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        HandOver();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::HandOver()
{
    if (handedOver_)
        return;
    handedOver_ = true;
    Timer1->stop();
    emit handOver();
    close();
}

} // namespace mk21
