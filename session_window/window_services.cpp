#include "session_window/window_services.h"

namespace mindrova {

SessionWindowServices& WindowServices() {
    static SessionWindowServices services;
    return services;
}

}  // namespace mindrova
