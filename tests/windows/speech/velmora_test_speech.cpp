// A speech engine for the window tests, loaded as Qt's speech plugins are. It speaks into the
// file named by VELMORA_TEST_SPEECH_LOG, one line per text, and takes a little while over each
// text as a real engine does, so that what the window says while it speaks has to wait.
#include <QFile>
#include <QTextToSpeechEngine>
#include <QTextToSpeechPlugin>
#include <QTimer>
#include <QVoice>

namespace {
constexpr int speaking_ms = 30;

class TEST_SPEECH_ENGINE : public QTextToSpeechEngine {
  public:
    explicit TEST_SPEECH_ENGINE(QObject* parent) : QTextToSpeechEngine(parent) {
        timer_.setSingleShot(true);
        timer_.setInterval(speaking_ms);
        connect(&timer_, &QTimer::timeout, this, [this] { set_state(QTextToSpeech::Ready); });
    }

    QList<QLocale> availableLocales() const override { return {QLocale::c()}; }
    QList<QVoice> availableVoices() const override { return {}; }

    // Speaking over unfinished speech is what the window must never do: it is written as such.
    void say(const QString& text) override {
        QFile log(qEnvironmentVariable("VELMORA_TEST_SPEECH_LOG"));
        if (log.open(QIODevice::Append | QIODevice::Text)) {
            const QString cut = state_ == QTextToSpeech::Speaking ? QStringLiteral("(cut) ") : "";
            log.write((cut + text + QLatin1Char('\n')).toUtf8());
        }
        set_state(QTextToSpeech::Speaking);
        timer_.start();
    }
    void stop(QTextToSpeech::BoundaryHint) override {
        timer_.stop();
        set_state(QTextToSpeech::Ready);
    }
    void pause(QTextToSpeech::BoundaryHint) override {}
    void resume() override {}

    double rate() const override { return 0; }
    bool setRate(double) override { return false; }
    double pitch() const override { return 0; }
    bool setPitch(double) override { return false; }
    QLocale locale() const override { return QLocale::c(); }
    bool setLocale(const QLocale&) override { return false; }
    double volume() const override { return 1; }
    bool setVolume(double) override { return false; }
    QVoice voice() const override { return {}; }
    bool setVoice(const QVoice&) override { return false; }
    QTextToSpeech::State state() const override { return state_; }
    QTextToSpeech::ErrorReason errorReason() const override {
        return QTextToSpeech::ErrorReason::NoError;
    }
    QString errorString() const override { return {}; }

  private:
    void set_state(QTextToSpeech::State state) {
        if (state != state_) {
            state_ = state;
            emit stateChanged(state);
        }
    }

    QTextToSpeech::State state_ = QTextToSpeech::Ready;
    QTimer timer_;
};
} // namespace

class TEST_SPEECH_PLUGIN : public QObject, public QTextToSpeechPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.qt.speech.tts.plugin/6.0" FILE "velmora_test_speech.json")
    Q_INTERFACES(QTextToSpeechPlugin)

  public:
    QTextToSpeechEngine* createTextToSpeechEngine(const QVariantMap&, QObject* parent,
                                                  QString*) const override {
        return new TEST_SPEECH_ENGINE(parent);
    }
};

#include "velmora_test_speech.moc"
