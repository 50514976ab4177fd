// SPDX-License-Identifier: GPL-3.0-or-later
#include "analyse/scriptpython.h"

#include <QRegularExpression>

#include <cmath>

namespace analyse {

namespace {

// Enough figures for the central differences to match the table's speeds; no float noise.
QString nombre(double v, int decimales = 6)
{
    if (!std::isfinite(v))
        return QStringLiteral("float('nan')");
    QString s = QString::number(v, 'f', decimales);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s += QLatin1Char('0');
    }
    return s == QLatin1String("-0.0") ? QStringLiteral("0.0") : s;
}

// A text typed by a user becomes a Python string literal, never code.
QString chaine(QString s)
{
    s.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    s.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// A comment stays on its line.
QString commentaire(QString s)
{
    return QStringLiteral("# ") + s.replace(QRegularExpression(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]")), QStringLiteral(" "));
}

QString liste(const QVector<double>& valeurs, int decimales)
{
    QStringList s;
    for (double v : valeurs)
        s << nombre(v, decimales);
    // Eight values a line keep the script readable in a pupil's editor.
    QString texte = QStringLiteral("[");
    for (int i = 0; i < s.size(); ++i) {
        if (i > 0)
            texte += (i % 8 == 0) ? QStringLiteral(",\n    ") : QStringLiteral(", ");
        texte += s[i];
    }
    return texte + QStringLiteral("]");
}

const char* vitessesCompletes = R"PY(    for i in range(1, len(t) - 1):
        vx.append((x[i + 1] - x[i - 1]) / (2 * TAU))
        vy.append((y[i + 1] - y[i - 1]) / (2 * TAU))
)PY";

const char* vitessesEleve = R"PY(    for i in range(1, len(t) - 1):
        # À compléter : coordonnées du vecteur vitesse au point M_i,
        # à partir des positions des points M_(i-1) et M_(i+1) et de TAU.
        vx.append(None)  # À compléter
        vy.append(None)  # À compléter
)PY";

const char* deltaVComplet = R"PY(    for i in range(1, len(vx) - 1):
        dvx.append(vx[i + 1] - vx[i - 1])
        dvy.append(vy[i + 1] - vy[i - 1])
)PY";

const char* deltaVEleve = R"PY(    for i in range(1, len(vx) - 1):
        # À compléter : coordonnées du vecteur Δv au point M_i,
        # différence entre les vitesses aux points M_(i+1) et M_(i-1).
        dvx.append(None)  # À compléter
        dvy.append(None)  # À compléter
)PY";

const char* suite = R"PY(

def virgule(valeur, decimales):
    """Nombre écrit à la française (virgule décimale)."""
    return f"{valeur:.{decimales}f}".replace(".", ",")


def manque(valeurs):
    return any(v is None for v in valeurs)


def arrete(message):
    """Enregistre la figure déjà tracée, puis s'arrête avec le message."""
    plt.savefig(FIGURE, dpi=100)
    print(f"Figure enregistrée dans {FIGURE}")
    sys.exit(message)


def fleches(axe, px, py, ux, uy, k, couleur, legende):
    axe.quiver(px, py, [k * u for u in ux], [k * u for u in uy], angles="xy", scale_units="xy",
               scale=1, color=couleur, width=0.004, label=legende)


FIGURE = os.path.splitext(os.path.abspath(__file__))[0] + ".png"

if __name__ == "__main__":
    figure, (axe_v, axe_dv) = plt.subplots(1, 2, figsize=(13, 5.5))
    for axe, titre in ((axe_v, "Positions et vecteurs vitesse"),
                       (axe_dv, "Vecteurs variation de vitesse Δv")):
        axe.plot(x, y, "o", color="black", markersize=4, label="positions M_i")
        axe.set_title(titre)
        axe.set_xlabel("x (m)")
        axe.set_ylabel("y (m)")
        axe.set_aspect("equal", adjustable="datalim")
        axe.grid(True, linestyle=":")
    figure.suptitle(f"{LIEU} : {PROJECTILE} ; intervalle τ = {virgule(TAU * 1000, 0)} ms")

    if len(t) < 5:
        arrete("Trop peu de photographies pour calculer les vecteurs : "
               "réduire l'intervalle entre deux photographies dans Baltor.")

    # Longueur des flèches : la plus grande vitesse vaut le dixième de l'étendue du vol.
    etendue = max(max(x) - min(x), max(y) - min(y), 1e-9)

    vx, vy = vitesses(t, x, y)
    if manque(vx) or manque(vy):
        arrete("Le calcul des vecteurs vitesse est à compléter : "
               "remplacer chaque None marqué « À compléter » dans la fonction vitesses().")
    print("Vitesses calculées v_i = M(i-1)M(i+1) / 2τ :")
    for i in range(len(vx)):
        v = math.hypot(vx[i], vy[i])
        print(f"M{i + 1} : t = {virgule(t[i + 1], 3)} s ; v = {virgule(v, 3)} m/s")
    k = etendue / 10 / max(max(math.hypot(a, b) for a, b in zip(vx, vy)), 1e-9)
    fleches(axe_v, x[1:-1], y[1:-1], vx, vy, k, "tab:blue", "vecteurs vitesse")
    axe_v.legend(loc="best", fontsize="small")

    dvx, dvy = variations(vx, vy)
    if manque(dvx) or manque(dvy):
        arrete("Le calcul des vecteurs Δv est à compléter : "
               "remplacer chaque None marqué « À compléter » dans la fonction variations().")
    attendu = G * 2 * TAU
    print(f"Variations de vitesse Δv_i = v(i+1) - v(i-1), attendu : g·2τ = {virgule(attendu, 3)} m/s vers le bas")
    for i in range(len(dvx)):
        dv = math.hypot(dvx[i], dvy[i])
        print(f"M{i + 2} : t = {virgule(t[i + 2], 3)} s ; Δv = {virgule(dv, 3)} m/s")
    if dvx:
        # Le vecteur attendu vaut le dixième de l'étendue, tracé un peu à gauche du Δv calculé.
        k = etendue / 10 / max(attendu, 1e-9)
        px, py = x[2:-2], y[2:-2]
        decale = [a - etendue / 80 for a in px]
        fleches(axe_dv, decale, py, [0.0] * len(px), [-attendu] * len(px), k, "tab:gray", "g·2τ attendu")
        fleches(axe_dv, px, py, dvx, dvy, k, "tab:red", "Δv calculé")
    axe_dv.legend(loc="best", fontsize="small")

    plt.savefig(FIGURE, dpi=100)
    print(f"Figure enregistrée dans {FIGURE}")
    plt.show()
)PY";

}  // namespace

QByteArray scriptPython(const TableauVol& tableau, const Conditions& c, const Montage& m, VarianteScript variante)
{
    QVector<double> t, x, y;
    bool impacts = false;
    for (const Ligne& l : tableau.lignes) {
        impacts = impacts || l.genre == Genre::Impact;
        if (l.n < 0)
            continue;  // the apex, the landing and the impacts fall between the photographs
        t << l.t;
        x << l.x;
        y << l.y;
    }
    const bool eleve = variante == VarianteScript::Eleve;
    const double v0 = std::hypot(double(c.vx), double(c.vy));
    const double angle = std::atan2(double(c.vy), double(c.vx)) * 180.0 / M_PI;

    QString s = QStringLiteral("#!/usr/bin/env python3\n# -*- coding: utf-8 -*-\n");
    s += eleve ? QStringLiteral("# Vol d'un projectile enregistré par Baltor : script à compléter.\n"
                                "# Compléter les lignes marquées « À compléter », puis lancer : python3 ")
               : QStringLiteral("# Vol d'un projectile enregistré par Baltor.\n# Lancer : python3 ");
    s += QStringLiteral("nom_du_fichier.py (matplotlib : paquet python3-matplotlib).\n#\n");
    for (const QString& ligne : tableau.sommaire)
        s += commentaire(ligne) + QLatin1Char('\n');
    s += commentaire(tableau.fin) + QLatin1Char('\n');
    if (impacts)
        s += QStringLiteral("# Attention : le ballon rebondit ; autour d'un impact, les vecteurs calculés à partir\n"
                            "# de deux positions encadrant l'impact ne représentent pas sa vitesse.\n");
    s += QStringLiteral("\nimport math\nimport os\nimport sys\n\n"
                        "try:\n"
                        "    import matplotlib.pyplot as plt\n"
                        "except ImportError:\n"
                        "    sys.exit(\"Ce script trace ses figures avec matplotlib, absent de ce Python : \"\n"
                        "             \"sous Debian, installer le paquet python3-matplotlib.\")\n\n");
    s += QStringLiteral("# Montage\n");
    s += QStringLiteral("LIEU = %1\n").arg(chaine(m.lieu));
    s += QStringLiteral("PROJECTILE = %1\n").arg(chaine(m.projectile));
    s += QStringLiteral("MASSE = %1  # kg\n").arg(tableau.masse ? nombre(*tableau.masse) : QStringLiteral("None"));
    s += QStringLiteral("X0 = %1  # m, abscisse du point de lancement\n").arg(nombre(c.x0));
    s += QStringLiteral("Y0 = %1  # m, ordonnée du point de lancement\n").arg(nombre(c.y0));
    s += QStringLiteral("V0 = %1  # m/s, vitesse initiale\n").arg(nombre(v0, 4));
    s += QStringLiteral("ANGLE = %1  # degrés, angle du lancer avec l'horizontale\n").arg(nombre(angle, 4));
    s += QStringLiteral("G = %1  # N/kg, intensité de la pesanteur\n").arg(nombre(c.g, 4));
    s += QStringLiteral("TAU = %1  # s, intervalle entre deux photographies\n\n")
             .arg(nombre(intervalleBorne(c.intervalleMs) / 1000.0));
    // Dates to the millisecond, as the table shows them: the scene's clock adds up in single
    // precision, and 3.150001 would puzzle a pupil for no gain.
    s += QStringLiteral("# Dates (s, au millième comme dans le tableau) et positions (m) des points M_0, M_1… "
                        "aux photographies\n");
    s += QStringLiteral("t = %1\n").arg(liste(t, 3));
    s += QStringLiteral("x = %1\n").arg(liste(x, 6));
    s += QStringLiteral("y = %1\n\n\n").arg(liste(y, 6));
    s += QStringLiteral("def vitesses(t, x, y):\n"
                        "    \"\"\"Vecteurs vitesse aux points M_1 … M_(n-2) : v_i = M(i-1)M(i+1) / 2τ.\"\"\"\n"
                        "    vx, vy = [], []\n");
    s += QString::fromUtf8(eleve ? vitessesEleve : vitessesCompletes);
    s += QStringLiteral("    return vx, vy\n\n\n");
    s += QStringLiteral("def variations(vx, vy):\n"
                        "    \"\"\"Vecteurs Δv aux points M_2 … M_(n-3) : Δv_i = v(i+1) - v(i-1), sur 2τ.\"\"\"\n"
                        "    dvx, dvy = [], []\n");
    s += QString::fromUtf8(eleve ? deltaVEleve : deltaVComplet);
    s += QStringLiteral("    return dvx, dvy\n");
    s += QString::fromUtf8(suite);
    return s.toUtf8();
}

}  // namespace analyse
