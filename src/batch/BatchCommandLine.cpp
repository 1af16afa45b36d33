#include "batch/BatchCommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <map>
#include <stdexcept>

namespace tavrelion::batch {
namespace {

QString Local(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Local(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

}  // namespace

BatchOptions ParseBatchOptions(const std::vector<std::string>& arguments) {
    QCommandLineParser parser;
    // -abc is one unknown option, not -a -b -c; values may begin with a dash (--ht-max -1).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption(QStringList{"h", "help"}));
    parser.addOption(QCommandLineOption("version"));
    for (const std::string& name : BatchValueOptions()) {
        parser.addOption(QCommandLineOption(Local(name), QString(), "value"));
    }
    QStringList words{"tavrelion-batch"};
    for (const std::string& argument : arguments) {
        words << Local(argument);
    }
    if (!parser.parse(words)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString dashes = unknown.first().size() == 1 ? "-" : "--";
            throw std::invalid_argument("unknown option " + Local(dashes + unknown.first()));
        }
        const std::string& last = arguments.back();
        const std::string lastName =
            last.substr(std::min(last.find_first_not_of('-'), last.size()));
        for (const std::string& name : BatchValueOptions()) {
            if (name == lastName) {
                throw std::invalid_argument(last + " needs a value");
            }
        }
        // Else a value was given to --help or --version (--version=2).
        for (const std::string& argument : arguments) {
            const std::size_t equals = argument.find('=');
            if (argument.rfind("-", 0) == 0 && equals != std::string::npos) {
                const std::string option = argument.substr(0, equals);
                if (option == "--help" || option == "-h" || option == "--version") {
                    throw std::invalid_argument(option + " takes no value");
                }
            }
        }
        throw std::invalid_argument(Local(parser.errorText()));
    }

    BatchOptions options;
    options.help = parser.isSet("help");
    options.version = parser.isSet("version");
    // In the order given, so that the last of a repeated option counts and the first mistake is
    // the one told.
    std::map<QString, qsizetype> used;
    for (const QString& name : parser.optionNames()) {
        if (name == "h" || name == "help" || name == "version") {
            continue;
        }
        const qsizetype index = used[name]++;
        SetBatchOption(options, Local(name), Local(parser.values(name).at(index)));
    }
    for (const QString& file : parser.positionalArguments()) {
        options.files.push_back(Local(file));
    }
    CheckBatchOptions(options);
    return options;
}

}  // namespace tavrelion::batch
