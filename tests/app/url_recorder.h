#pragma once
// Stands in for the desktop's open service: records every address and answers as told.

#include <QList>
#include <QUrl>
#include <functional>
#include <stdexcept>

#include "app/shell_execute.h"

namespace mindrova::testing {

class UrlRecorder {
public:
    UrlRecorder() {
        mPrevious = SetUrlOpener([this](const QUrl& url) {
            opened << url;
            if (onOpen) onOpen(url);
            if (failCall) throw std::runtime_error("The desktop service did not answer");
            return accept;
        });
    }
    ~UrlRecorder() { SetUrlOpener(std::move(mPrevious)); }
    UrlRecorder(const UrlRecorder&) = delete;
    UrlRecorder& operator=(const UrlRecorder&) = delete;

    QStringList addresses() const {
        QStringList all;
        for (const QUrl& url : opened) all << url.toString(QUrl::FullyEncoded);
        return all;
    }

    QList<QUrl> opened;
    bool accept = true;
    bool failCall = false;
    std::function<void(const QUrl&)> onOpen;

private:
    UrlOpener mPrevious;
};

}  // namespace mindrova::testing
