// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench.h"

#include "platform/plateforme_factice.h"

#include <QApplication>
#include <QTextStream>

#include <algorithm>
#include <map>

namespace {
std::map<QString, FonctionBench>& registre()
{
    static std::map<QString, FonctionBench> r;
    return r;
}
}  // namespace

EnregistreBench::EnregistreBench(const char* nom, FonctionBench f)
{
    registre()[QString::fromLatin1(nom)] = std::move(f);
}

double mediane(std::vector<double> v)
{
    return centile(std::move(v), 0.5);
}

double centile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

namespace {

// The offscreen platform's notices about what it does not support (size hints, reparenting a
// window) say nothing about the figures.
QtMessageHandler gestionnaireQt = nullptr;
void filtreMessages(QtMsgType type, const QMessageLogContext& contexte, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (gestionnaireQt)
        gestionnaireQt(type, contexte, message);
}

void usage(QTextStream& flux)
{
    flux << "Usage : baltor-bench [GROUPE|FIGURE]...\n"
            "Sans argument, tous les groupes ; sinon les groupes nommés et les figures nommées\n"
            "(une figure fait tourner tout son groupe, mais seule elle est écrite).\n"
            "Une ligne par figure : « nom: valeur unité ».\nGroupes :";
    for (const auto& entree : registre())
        flux << ' ' << entree.first;
    flux << Qt::endl;
}

}  // namespace

int main(int argc, char** argv)
{
    // Runs anywhere, display or not: the figures never depend on a window being shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    gestionnaireQt = qInstallMessageHandler(filtreMessages);
    QApplication app(argc, argv);
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    const QStringList noms = app.arguments().mid(1);
    if (noms.contains(QLatin1String("--help")) || noms.contains(QLatin1String("-h"))) {
        usage(sortie);
        return 0;
    }
    // A name is a group, or a figure: a figure runs its group when its name tells which
    // (graphes.*, config_*), every group otherwise, and only the figure is written.
    QStringList groupes;
    QStringList figures;
    bool tous = noms.isEmpty();
    for (const QString& nom : noms) {
        if (nom.startsWith(u'-')) {
            erreurs << "baltor-bench : option inconnue « " << nom << " »." << Qt::endl;
            usage(erreurs);
            return 2;
        }
        if (registre().count(nom)) {
            groupes.append(nom);
            continue;
        }
        figures.append(nom);
        QString groupe;
        for (const auto& entree : registre())
            if (nom.startsWith(entree.first + u'.') || nom.startsWith(entree.first + u'_'))
                groupe = entree.first;
        if (groupe.isEmpty())
            tous = true;
        else if (!groupes.contains(groupe))
            groupes.append(groupe);
    }
    // Message boxes and sounds go to the recorder: a benchmark never waits for a click.
    AvecPlateformeFactice factice;
    QStringList ecrites;
    for (const auto& [nom, f] : registre()) {
        if (!tous && !groupes.contains(nom))
            continue;
        const bool groupeEntier = noms.isEmpty() || noms.contains(nom);
        for (const Mesure& m : f()) {
            if (!groupeEntier && !figures.contains(m.nom))
                continue;
            sortie << m.nom << ": " << QString::number(m.valeur, 'f', 3) << ' ' << m.unite << Qt::endl;
            ecrites.append(m.nom);
        }
    }
    int code = 0;
    for (const QString& figure : figures)
        if (!ecrites.contains(figure)) {
            erreurs << "baltor-bench : nom inconnu « " << figure << " »." << Qt::endl;
            code = 2;
        }
    if (code != 0) {
        usage(erreurs);
        erreurs << "Figures :";
        for (const QString& e : ecrites)
            erreurs << ' ' << e;
        erreurs << Qt::endl;
    }
    return code;
}
