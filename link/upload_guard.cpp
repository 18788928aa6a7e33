#include "upload_guard.h"

#include <utility>

namespace {

int g_uploads = 0;

UploadGuard::Listener& listener() {
    static UploadGuard::Listener current;
    return current;
}

}  // namespace

UploadGuard::Listener UploadGuard::setListener(Listener next) {
    return std::exchange(listener(), std::move(next));
}

bool UploadGuard::running() {
    return g_uploads > 0;
}

UploadGuard::UploadGuard() {
    if (g_uploads++ == 0 && listener())
        listener()(true);
}

UploadGuard::~UploadGuard() {
    if (--g_uploads == 0 && listener())
        listener()(false);
}
