#pragma once

#include <array>
#include <string_view>

namespace osmira {

// The report's chapter on the Alpha graphs, as its page shows it, in UTF-8 (the report turns it
// into Latin-1). Each #Archivo stands for one of the six example pictures, filled in by the report
// in the order kAlphaChapterPictures gives.
inline constexpr std::string_view kAlphaChapter =
    R"chapter(<B> <I> <FONT SIZE =+2> <LI>Información sobre los Gráficos Alfa </LI> </FONT> </I> </B> 
<P> <BR> 
<P> &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Los Gráficos Existenciales Alfa (1897 - 1905) proporcionan un enfoque novedoso para presentar y controlar las leyes de la lógica: en lugar de escribir fórmulas en una línea, se dibujan gráficos sobre una superficie, la hoja de aserción (H). Esta hoja es ilimitada y continuamente deformable, de modo que solo importa qué está dentro o fuera de cada corte y no el tamaño ni la forma de lo dibujado; todo gráfico marcado sobre ella queda afirmado. Sobre la hoja se construyen los gráficos con letras proposicionales y cortes, según las reglas que siguen, y el sistema resultante corresponderá al cálculo proposicional clásico. <P> 
<UL> 
<P> <BR> 
<P> <B> <FONT SIZE =+1> Sintaxis: Reglas de construcción </FONT> </B> </P> 
<P> (1)&nbsp;&nbsp;&nbsp;&nbsp;(H): cualquier zona no marcada de la hoja de aserción es gráfico. (H) se representa como se muestra a continuación: </P>
<CENTER> <IMG SRC="#Archivo"> </CENTER> 
<P> (2)&nbsp;&nbsp;&nbsp;&nbsp;Toda letra proposicional es gráfico. Una letra proposicional se representa con cualquiera de las letras del alfabeto. </P> 
<P> (3)&nbsp;&nbsp;&nbsp;&nbsp;Todo corte alrededor de una zona no marcada de (H) es gráfico. Un corte se representa como se muestra a continuación: </P> 
<CENTER> <IMG SRC="#Archivo"> </CENTER> 
<P> (4)&nbsp;&nbsp;&nbsp;&nbsp;Si G y H son gráficos, entonces la yuxtaposición G H es gráfico.</P> 
<P> (5)&nbsp;&nbsp;&nbsp;&nbsp;Si G y H son gráficos, entonces </P> 
<DIV ALIGN="CENTER"> 
<TABLE BORDER="0" CELLSPACING="0" CELLPADDING="0"> 
<TR> 
<TD> <IMG SRC="#Archivo"> </TD> 
<TD> &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;es gráfico. </TD> 
</TR> 
</TABLE> 
</DIV> 
<P>Por lo tanto el <I>cálculo ALFA</I> consistirá en determinar cuáles Gráficos Alfa podrán ser marcados en la hoja de aserción (H), es decir, cuáles serán verdaderos. </P> 
<P> <BR> 
<P> <B> <FONT SIZE =+1>Semántica: Interpretación canónica </FONT> </B> </P> 
<P>(1)'&nbsp;&nbsp;&nbsp;&nbsp;(H) representa lo verdadero. </P> 
<P>(2)'&nbsp;&nbsp;&nbsp; Marcar una letra en (H) significa evaluarla como verdadera. </P> 
<P>(3)'&nbsp;&nbsp;&nbsp; Un corte en (H) representa lo falso. </P> 
<P>(4)'&nbsp;&nbsp;&nbsp; Pegar dos Gráficos Alfa corresponde a conjugarlos. </P> 
<P>(5)'&nbsp;&nbsp;&nbsp; El gráfico: </P> 
<DIV ALIGN="CENTER"> 
<TABLE BORDER="0" CELLSPACING="0" CELLPADDING="0"> 
<TR> 
<TD> <IMG SRC="#Archivo"> </TD> 
<TD> &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;representa la implicación. </TD> 
</TR> 
</TABLE> 
</DIV> 
<P> <I> <B> Axioma. </B> </I> El cálculo ALFA consta de un solo axioma: </P> 
<DIV ALIGN="CENTER"> 
<TABLE BORDER="0" CELLSPACING="0" CELLPADDING="0"> 
<TR> 
<TD> <IMG SRC="#Archivo"> </TD> 
<TD> &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;(HA). </TD> 
</TR> 
</TABLE> 
</DIV> 
<P> El axioma es símbolo de continuidad del universo y representa una verdad general (terceridad), mientras que cada gráfico que se marca sobre la hoja de aserción afirma un hecho particular, un existente concreto que se opone a la continuidad (secundidad). </P> 
<P> El cálculo ALFA enfatiza fundamentalmente un aspecto pragmático, al establecer un código de permisos que indica qué transformaciones pueden hacerse sobre los gráficos marcados en (H); aplicar esos permisos paso a paso es la manera de transformar lo implícito en explícito. </P> 
<P> <BR> 
<P> <B> <FONT SIZE =+1>Definiciones importantes </FONT> </B> </P> 
<P> &nbsp;&nbsp;&nbsp;&nbsp; <B> Área de un gráfico </B> <BR>
El área de un gráfico G es la zona de (H) en la que G está dibujado: la región limitada por el corte más interior que lo rodea, o la hoja entera cuando ningún corte lo rodea. Dos regiones que se deforman continuamente una en otra sin cruzar ningún corte son la misma área. Módulo homeomorfismo, podemos hablar del área de G. </P> 
<P> &nbsp;&nbsp;&nbsp;&nbsp; <B> Área "par-envuelta" </B> <BR> 
Un área es par-envuelta cuando está rodeada por un número par de cortes, incluido el cero; así, la hoja de aserción es par-envuelta. </P> 
<P> &nbsp;&nbsp;&nbsp;&nbsp; <B> Gráfico "par-envuelto" </B> <BR> 
Un gráfico es par-envuelto cuando su área es par-envuelta. </P> 
<P> &nbsp;&nbsp;&nbsp;&nbsp; <B> Área "impar-envuelta" </B> <BR> 
Un área es impar-envuelta cuando está rodeada por un número impar de cortes. </P> 
<P> &nbsp;&nbsp;&nbsp;&nbsp; <B> Gráfico "impar-envuelto" </B> <BR> 
Un gráfico es impar-envuelto cuando su área es impar-envuelta. </P> 
<P> <BR> 
<P> <B> <FONT SIZE =+1>Reglas de transformación (código de permisos: pragmática) </FONT> </B> </P> 
<P> <B> (R1) Borrado. </B> Puede borrarse de (H) cualquier gráfico par-envuelto. </P> 
<P> <B> (R2) Inserción. </B> Puede insertarse cualquier gráfico en un área impar-envuelta de (H). </P> 
<P> <B> (R3) Iteración. </B> Puede iterarse cualquier gráfico G en un área de (H) que: <BR> 
&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;a.&nbsp;&nbsp;No sea parte del área de G. <BR> 
&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;b.&nbsp;&nbsp;Esté envuelta en un número mayor (o igual) de cortes que el área de G. </P> 
<P> <B> (R4) Desiteración. </B> Puede desiterarse de (H) cualquier gráfico cuya ocurrencia pueda verse como resultado de (R3). </P> 
<P> <B> (R5) Doble Corte. </B> Puede insertarse o eliminarse un doble corte alrededor de cualquier gráfico, en cualquier área dada de (H). La inserción no debe producir intersecciones entre cortes. </P> 
<P> <BR> 
<P> <B> <FONT SIZE =+1>Equivalencias </FONT> </B> </P> 
<P> Las equivalencias definitivas de las principales operaciones lógicas son: </P> 
<DIV ALIGN="LEFT"> 
<TABLE BORDER="0" CELLSPACING="30" CELLPADDING="0"> 
<TR> 
<TD ALIGN="RIGHT">Negación de G: </TD> 
<TD> <IMG SRC="#Archivo"> </TD> 
</TR> 
<TR> 
<TD ALIGN="RIGHT">Conjunción de G y H: </TD> 
<TD> <IMG SRC="#Archivo"> </TD> 
</TR> 
<TR> 
<TD ALIGN="RIGHT">Disyunción de G y H: </TD> 
<TD> <IMG SRC="#Archivo"> </TD> 
</TR> 
<TR> 
<TD ALIGN="RIGHT">Implicación de G y H: </TD> 
<TD> <IMG SRC="#Archivo"> </TD> 
</TR> 
</TABLE> 
</DIV> 
<P> <BR>
</UL> 
<HR>
)chapter";

inline constexpr std::array<int, 9> kAlphaChapterPictures{1, 2, 3, 3, 1, 4, 5, 6, 3};

} // namespace osmira
