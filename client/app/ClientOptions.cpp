#include "client/app/ClientOptions.h"

#include <charconv>

ClientOptionsResult ParseClientOptions(const std::vector<std::string>& arguments) {
    ClientOptionsResult result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--frame-log") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                result.error = "--frame-log needs a file name";
                return result;
            }
            result.options.frameLog = arguments[++i];
            continue;
        }
        if (option != "--server-port") {
            result.error = "unknown option " + option;
            return result;
        }
        if (i + 1 >= arguments.size()) {
            result.error = "--server-port needs a port number";
            return result;
        }
        const std::string& text = arguments[++i];
        unsigned long port = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
        if (error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535) {
            result.error = "--server-port needs a port number from 1 to 65535, not \"" + text + "\"";
            return result;
        }
        result.options.serverPort = static_cast<unsigned short>(port);
    }
    result.ok = true;
    return result;
}
