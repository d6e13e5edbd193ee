// The fixed texts of the three information windows, piece by piece.
#include "information_window.h"

#include <array>

namespace zudaviror::app {

namespace {

// clang-format off
constexpr std::array kModalPieces = {
    "\nDEFINICION: Conjunto de fórmulas Modales que contienen a los teoremas Proposicionales puros "
    "de la Lógica Modal Proposicional.",

    "\n\nDesde el punto de vista sintáctico, una lógica modal es un conjunto de fórmulas del "
    "lenguaje modal proposicional que contiene todas las tautologías de la lógica proposicional "
    "clásica y que es cerrado bajo la regla de Modus Ponens (de ALFA y de ALFA → BETA se obtiene "
    "BETA) y bajo la sustitución uniforme de las letras por fórmulas. Una lógica modal es Normal "
    "cuando, además, contiene el axioma K, NECESIDAD(ALFA → BETA) → (NECESIDAD_ALFA → "
    "NECESIDAD_BETA), y es cerrada bajo la regla de necesitación: si ALFA es un teorema, también lo "
    "es NECESIDAD_ALFA.",

    "\n\nDesde el punto de vista semántico, las fórmulas modales se interpretan en modelos de "
    "Kripke: un conjunto no vacío de mundos posibles, una relación de accesibilidad entre ellos y "
    "una valoración que dice qué letras son verdaderas en cada mundo. NECESIDAD_ALFA es verdadera en "
    "un mundo cuando ALFA es verdadera en todos los mundos accesibles desde él, y POSIBILIDAD_ALFA "
    "lo es cuando ALFA es verdadera en alguno de ellos. Cada lógica modal queda así caracterizada "
    "por la clase de marcos en los que son válidos exactamente sus teoremas.",

    "\n\nCARACTERISTICAS :",

    "\n- Extiende la lógica proposicional clásica sin perder ninguno de sus teoremas: toda "
    "tautología sigue siendo un teorema.\n- Los operadores modales no son veritativo-funcionales: el "
    "valor de NECESIDAD_ALFA en un mundo no depende solo del valor de ALFA en ese mundo.\n- Los dos "
    "operadores son interdefinibles: POSIBILIDAD_ALFA equivale a NEGADO NECESIDAD NEGADO ALFA, y "
    "NECESIDAD_ALFA equivale a NEGADO POSIBILIDAD NEGADO ALFA.",

    "\n\nDIFERENCIAS ENTRE LAS DIVERSAS LÓGICAS MODALES  :",

    "\nLas lógicas modales Normales se distinguen por los axiomas que añaden a K, y cada axioma "
    "corresponde a una propiedad de la relación de accesibilidad:\n- D: NECESIDAD_ALFA → "
    "POSIBILIDAD_ALFA (relación serial).\n- T: NECESIDAD_ALFA → ALFA (relación reflexiva).\n- B: "
    "ALFA → NECESIDAD POSIBILIDAD ALFA (relación simétrica).\n- 4: NECESIDAD_ALFA → NECESIDAD "
    "NECESIDAD ALFA (relación transitiva).\n- 5: POSIBILIDAD_ALFA → NECESIDAD POSIBILIDAD ALFA "
    "(relación euclídea).\nAsí, K más T es la lógica T, T más 4 es S4 y T más 5 es S5, en la que la "
    "accesibilidad es una relación de equivalencia.",

    "\n\nCONCEPTOS RELACCIONADOS:",

    "\n- Marco: un conjunto no vacío de mundos con una relación de accesibilidad entre ellos.\n- "
    "Modelo: un marco junto con una valoración de las letras en cada mundo.\n- Validez: una fórmula "
    "es válida en un marco cuando es verdadera en todos sus mundos bajo cualquier valoración.",

    "\n\nELEMENTOS MÁS IMPORTANTES DEL LMP:",

    "\n(1)ALFABETO :\n- Átomos: las letras proposicionales p, q, r, s, t y el símbolo de lo falso, "
    "FALSO.\n- Conectivas: NEGADO, CONJUNCION, DISYUNCION, CONDICIONAL y BICONDICIONAL.\n- "
    "Operadores modales: NECESIDAD y POSIBILIDAD.\n- Signos auxiliares: los paréntesis, ABIERTO y "
    "CERRADO.",

    "\n\n(2)FÓRMULAS :",

    "\n(2.1).- Todo átomo es una fórmula.\n(2.2).- Si ALFA y BETA son fórmulas, también lo son: "
    "NEGADO_ALFA, (ALFA CONJUNCION BETA), (ALFA DISYUNCION BETA), (ALFA CONDICIONAL BETA) y (ALFA "
    "BICONDICIONAL BETA).\n(2.3).- Si ALFA es una fórmula, también lo son: NECESIDAD_ALFA y  "
    "POSIBILIDAD_ALFA.",
};

constexpr std::array kMultivariadaPieces = {
    "\nDEFINICION : ",

    "\n\nDesde el punto de vista sintáctico tendremos una  Lógica Multivariada cuando tengamos "
    "distintos tipos de variables que pueden ser cuantificadas. ",

    "\nCada variable pertenece a un único tipo, y cada símbolo de función o de relación indica el tipo "
    "de cada uno de sus argumentos y, si es una función, el de su valor; una expresión solo está "
    "bien formada cuando sus argumentos tienen los tipos esperados.",

    "\n\nDesde el punto de vista semántico, una estructura multivariada asigna a cada tipo su propio "
    "universo no vacío de objetos; las variables de un tipo recorren solo su universo y los "
    "cuantificadores PARATODO y EXISTE se refieren a él. En la traducción de la lógica modal, los "
    "mundos posibles forman uno de esos universos y la accesibilidad es una relación entre sus "
    "objetos.",

    "\n\nCARACTERISTICAS :",

    "\n\n(1) UNIFICADORA DE LÓGICAS",

    "\nMuchas lógicas distintas, como las modales, las temporales, las dinámicas o la de segundo "
    "orden, pueden traducirse a la lógica multivariada; así, un mismo cálculo y unas mismas técnicas "
    "de demostración sirven para todas ellas.",

    "\n\n(2) EFICAZ",

    "\nAl separar los objetos por tipos, las fórmulas son más cortas y las demostraciones más "
    "sencillas: no hacen falta predicados auxiliares que digan a qué clase pertenece cada objeto, y "
    "muchos errores se descubren por los tipos antes de razonar.",

    "\n\n(3) NATURALIDAD",

    "\nEn el lenguaje corriente y en las ciencias se habla de objetos de clases distintas (personas "
    "y números, puntos y rectas, mundos y proposiciones); la lógica multivariada recoge esa "
    "distinción de forma directa.",

    "\n\nCONCEPTOS : LENGUAJE FORMAL PARA LA LÓGICA MULTIVARIADA DE PRIMER ORDEN.",

    "\n\nALFABETO :\n- Un conjunto de tipos o universos y, para cada tipo, una colección infinita de "
    "variables de ese tipo.",

    "\n- Símbolos de constante, de función y de relación, cada uno con los tipos de sus argumentos "
    "y, si es una función, con el tipo de su valor.",

    "\n- Las conectivas NEGADO, CONJUNCION, DISYUNCION, CONDICIONAL y BICONDICIONAL, los "
    "cuantificadores PARATODO y EXISTE, la igualdad y los paréntesis.",

    "\n\nFÓRMULAS :",

    "\n(1) Las variables y las constantes de un tipo son términos de ese tipo; si f es una función "
    "con argumentos de los tipos T1, ..., Tn y valor del tipo T, y t1, ..., tn son términos de esos "
    "tipos, f(t1, ..., tn) es un término del tipo T.",

    "\n(2) Si R es una relación con argumentos de los tipos T1, ..., Tn y t1, ..., tn son términos "
    "de esos tipos, R(t1, ..., tn) es una fórmula atómica; también lo es t1 = t2 cuando t1 y t2 son "
    "del mismo tipo.",

    "\n(3) Si ALFA y BETA son fórmulas y x es una variable de cualquier tipo, también son fórmulas "
    "NEGADO_ALFA, (ALFA CONJUNCION BETA), (ALFA DISYUNCION BETA), (ALFA CONDICIONAL BETA), (ALFA "
    "BICONDICIONAL BETA), PARATODO x ALFA y EXISTE x ALFA.",
};

constexpr const char* kReglas =
    "\nCualquiera de las lógicas modales Normales es equivalente tanto sintáctica como "
    "semánticamente a una teoría de lógica multivariada, puesto que muchas otras lógicas son también "
    "traducibles a la lógica multivariada, el hacerlo permite reducir complejidad en el panorama "
    "general de las lógicas.\n\nLa aplicación traduce fórmulas bajo un lenguaje modal Proposicional "
    ",el cual es único, por lo tanto no me refiero a una sola lógica en particular, con lo cual ,la "
    "traducción será valida para cualquier lógica modal.\n\nPara llevar acabo esta traducción, "
    "definiremos una función TRANS cuya cometido será el de traducir los axiomas de la lógica Normal "
    "modal a los de lógica multivariada.\n\nLas reglas de formación de fórmulas se pueden consultar "
    "en el punto 1.6 de la documentación";

// clang-format on

template <std::size_t N> QString joined(const std::array<const char*, N>& pieces) {
    QString text;
    for (const char* piece : pieces) {
        text += QString::fromUtf8(piece);
    }
    return text;
}

} // namespace

QString informationTitle(InformationWindow which) {
    switch (which) {
    case InformationWindow::Modal:
        return QStringLiteral("LÓGICA MODAL");
    case InformationWindow::Multivariada:
        return QStringLiteral("LÓGICA MULTIVARIADA");
    case InformationWindow::Reglas:
        break;
    }
    return QStringLiteral("REGLAS");
}

QString informationBody(InformationWindow which) {
    switch (which) {
    case InformationWindow::Modal:
        return joined(kModalPieces);
    case InformationWindow::Multivariada:
        return joined(kMultivariadaPieces);
    case InformationWindow::Reglas:
        break;
    }
    return QString::fromUtf8(kReglas);
}

} // namespace zudaviror::app
