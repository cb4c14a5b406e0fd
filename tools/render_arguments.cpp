#include "render_arguments.h"

#include <QCommandLineParser>

#include <map>
#include <vector>

namespace render_tool {

namespace {

QCommandLineOption qtOption(const Declared& d)
{
    QStringList names;
    for (const std::string& name : d.names)
        names.append(QString::fromStdString(name));
    return QCommandLineOption(names, {}, QString::fromStdString(d.valueName));
}

std::vector<std::string> toStd(const QStringList& list)
{
    std::vector<std::string> strings;
    for (const QString& s : list)
        strings.push_back(s.toStdString());
    return strings;
}

} // namespace

Options parseArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    // "-x" names the option x, as "--x" does.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    std::map<const Declared*, QCommandLineOption> options;
    for (const Declared& d : declaredOptions()) {
        options.emplace(&d, qtOption(d));
        parser.addOption(options.at(&d));
    }
    if (!parser.parse(arguments))
        refuse(toStd(parser.unknownOptionNames()), toStd(arguments.mid(1)));
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        fail("unknown argument " + extra.first().toStdString());
    std::vector<std::pair<const Declared*, std::string>> found;
    std::map<const Declared*, qsizetype> taken;
    for (const QString& name : parser.optionNames()) {
        const Declared* d = findDeclared(name.toStdString());
        found.emplace_back(d, parser.values(options.at(d)).value(taken[d]++).toStdString());
    }
    return takeAll(found);
}

} // namespace render_tool
