<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="es">
<context>
    <name>Ayuda</name>
    <message>
        <source>A continuación realice las operaciones matemáticas necesarias e introduzca el resultado.</source>
        <translation>Ondoren, egin beharrezko eragiketa matematikoak eta idatzi emaitza.</translation>
    </message>
    <message>
        <source>Pulse el botón corregir para comprobar si el resultado es correcto, y el botón Nuevo ejercicio para comenzar otra actividad.</source>
        <translation>Sakatu Zuzendu botoia emaitza zuzena den egiaztatzeko, eta Ariketa berria botoia beste jarduera bat hasteko.</translation>
    </message>
    <message>
        <source>Pulsando f2 puede escuchar las cifras de la columna seleccionada en el cuadro del resultado, y pulsando F3 escuchará los productos disponibles.</source>
        <translation>F2 sakatuta, emaitza-laukian hautatutako zutabeko zifrak entzun ditzakezu, eta F3 sakatuta, eskura dauden produktuak entzungo dituzu.</translation>
    </message>
    <message>
        <source>Use el ratón para ir agregando los productos necesarios a la lista. </source>
        <translation>Erabili sagua behar dituzun produktuak zerrendara gehitzeko. </translation>
    </message>
    <message>
        <source>Si desea utilizar sólo el teclado, elija la opción correspondiente en el menú de opciones.</source>
        <translation>Teklatua bakarrik erabili nahi baduzu, hautatu horretarako aukera Aukerak menuan.</translation>
    </message>
    <message>
        <source>Pulse la tecla aplicaciones para ir agregando los productos necesarios a la lista. </source>
        <translation>Sakatu aplikazio-tekla behar dituzun produktuak zerrendara gehitzeko. </translation>
    </message>
</context>
<context>
    <name>CarpetaDatos</name>
    <message>
        <source>Tiendal: no están instalados los productos en este idioma («%1»); se usan los de «%2».</source>
        <translation>Tiendal: ez dago hizkuntza honetako produkturik instalatuta («%1»); «%2» karpetakoak erabiltzen dira.</translation>
    </message>
    <message>
        <source>No se encuentran los datos del programa. Se ha buscado la carpeta de imágenes «%1» junto al programa y la carpeta de datos instalada «%2».</source>
        <translation>Ez dira aurkitu programaren datuak. «%1» irudien karpeta bilatu da programaren ondoan, eta instalatutako «%2» datu-karpeta.</translation>
    </message>
</context>
<context>
    <name>Comprobaciones</name>
    <message>
        <source>No se puede leer la carpeta de imágenes «%1».</source>
        <translation>Ezin da irakurri «%1» irudien karpeta.</translation>
    </message>
    <message>
        <source>No se encuentra la carpeta de imágenes «%1».</source>
        <translation>Ez da aurkitu «%1» irudien karpeta.</translation>
    </message>
    <message>
        <source>La carpeta de imágenes «%1» no tiene ninguna imagen .jpg.</source>
        <translation>«%1» irudien karpetak ez du .jpg irudirik.</translation>
    </message>
    <message>
        <source>La carpeta de imágenes «%1» tiene %2 imágenes .jpg y hacen falta al menos seis.</source>
        <translation>«%1» irudien karpetak %2 .jpg irudi ditu, eta gutxienez sei behar dira.</translation>
    </message>
    <message>
        <source>La carpeta de imágenes «%1» tiene %2 imágenes .jpg y el programa admite como mucho %3.</source>
        <translation>«%1» irudien karpetak %2 .jpg irudi ditu, eta programak gehienez %3 onartzen ditu.</translation>
    </message>
    <message>
        <source>No se puede leer el archivo de precios «%1».</source>
        <translation>Ezin da irakurri «%1» prezioen fitxategia.</translation>
    </message>
</context>
<context>
    <name>Elegidor</name>
    <message>
        <source>&amp;Productos </source>
        <translation>&amp;Produktuak </translation>
    </message>
    <message>
        <source>&amp;Aceptar</source>
        <translation>&amp;Onartu</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Utzi</translation>
    </message>
    <message>
        <source>Elige un producto</source>
        <translation>Aukeratu produktu bat</translation>
    </message>
    <message>
        <source>Elija con las flechas el producto que quiere añadir a la lista</source>
        <translation>Aukeratu geziekin zerrendara gehitu nahi duzun produktua</translation>
    </message>
    <message>
        <source>Productos que puede añadir a la lista, con su precio. Use las flechas arriba y abajo para elegir uno y pulse Intro para añadirlo</source>
        <translation>Zerrendara gehi ditzakezun produktuak, bakoitza bere prezioarekin. Erabili gora eta behera geziak bat aukeratzeko, eta sakatu Intro gehitzeko</translation>
    </message>
    <message>
        <source>Añade a la lista el producto elegido. Atajo: Alt+%1 o Intro</source>
        <translation>Aukeratutako produktua zerrendara gehitzen du. Lasterbidea: Alt+%1 edo Intro</translation>
    </message>
    <message>
        <source>Cierra sin añadir ningún producto. Atajo: Alt+%1 o Escape</source>
        <translation>Produkturik gehitu gabe ixten du. Lasterbidea: Alt+%1 edo Escape</translation>
    </message>
</context>
<context>
    <name>Estante</name>
    <message>
        <source>Tiendal: no se puede leer la imagen «%1».</source>
        <translation>Tiendal: ezin da irakurri «%1» irudia.</translation>
    </message>
</context>
<context>
    <name>Idioma</name>
    <message>
        <source>Tiendal: no se puede leer el catálogo «%1»; los botones de Qt quedan en inglés.</source>
        <translation>Tiendal: ezin da irakurri «%1» katalogoa; Qt-ren botoiak ingelesez geratzen dira.</translation>
    </message>
    <message>
        <source>Tiendal: no se puede leer el catálogo «%1»; los textos quedan en español.</source>
        <translation>Tiendal: ezin da irakurri «%1» katalogoa; testuak gaztelaniaz geratzen dira.</translation>
    </message>
</context>
<context>
    <name>LineaDeOrdenes</name>
    <message>
        <source>Uso: tiendal [--datos CARPETA] [--teclado] [--registro CARPETA | --sin-registro]
             [--pantalla-completa] [--escala FACTOR] [--idioma IDIOMA]
     tiendal --resultados [ARCHIVO|CARPETA...]
Tiendal: prácticas de cálculo en la tienda. Una estantería de seis productos con sus
precios, cinco clases de ejercicio, la lista de la compra y la corrección del resultado.

Opciones:
  --datos CARPETA  toma los productos de CARPETA (imágenes/, precios.txt, Sonidos/)
  --teclado        empieza en la versión para sólo teclado
  --registro CARPETA  anota las respuestas en CARPETA, un archivo por alumno y mes
  --sin-registro   no anota las respuestas
  --pantalla-completa  llena la pantalla, para la pizarra digital, con un teclado
                   numérico (F11 o Escape la dejan)
  --escala FACTOR  dibuja la ventana de 1 a 4 veces más grande
  --resultados     abre los resultados de los alumnos: los registros dados, o los
                   del usuario
  --idioma IDIOMA  habla en IDIOMA: ca (catalán), es (español), eu (euskera) o
                   gl (gallego); sin ella, en el idioma de la sesión
  -h, --help       muestra esta ayuda y termina
  -v, --version    muestra la versión y termina

Sin --datos, los productos se toman de la carpeta del programa cuando tiene imágenes/
(la copia portátil) y si no de la carpeta de datos instalada de su idioma, junto al
programa en ../share/tiendal. Las dos opciones del menú se guardan en Tiendal.ini, en
la carpeta de los datos cuando se puede escribir en ella y si no en ~/.config/tiendal/.

Cada corrección se anota, sin salir del equipo, en ~/.local/share/tiendal/registro/
(un archivo CSV por alumno y mes), salvo con --registro o --sin-registro.
</source>
        <translation>Erabilera: tiendal [--datos KARPETA] [--teclado]
                   [--registro KARPETA | --sin-registro] [--pantalla-completa]
                   [--escala FAKTOREA] [--idioma HIZKUNTZA]
           tiendal --resultados [FITXATEGIA|KARPETA...]
Tiendal: kalkulua dendan praktikatzeko programa. Sei produktuko apal bat
prezioekin, bost ariketa mota, erosketa-zerrenda eta emaitzaren zuzenketa.

Aukerak:
  --datos KARPETA  produktuak KARPETAtik (imágenes/, precios.txt, Sonidos/)
  --teclado        hasi teklatua bakarrik erabiltzeko bertsioan
  --registro KARPETA  erantzunak KARPETAn, fitxategi bat ikasle eta hilabeteko
  --sin-registro   ez gorde erantzunak
  --pantalla-completa  bete pantaila osoa, arbel digitalerako, zenbaki-teklatu
                   batekin (F11 edo Escape sakatuta irteten da)
  --escala FAKTOREA  marraztu leihoa FAKTOREA aldiz handiago (1etik 4ra)
  --resultados     ireki ikasleen emaitzak: emandako erregistroak edo zureak
  --idioma HIZKUNTZA  erabili HIZKUNTZA: ca (katalana), es (gaztelania),
                   eu (euskara) edo gl (galiziera); bestela, saioaren hizkuntza
  -h, --help       erakutsi laguntza hau eta amaitu
  -v, --version    erakutsi bertsioa eta amaitu

--datos gabe, produktuak programaren karpetatik hartzen dira imágenes/ badu
(kopia eramangarria), eta bestela datu-karpeta instalatutik (programaren ondoko
../share/tiendal, bere hizkuntzakoa). Menuko bi aukerak Tiendal.ini-n gordetzen
dira, datuen karpetan (idatz badaiteke), bestela ~/.config/tiendal/ karpetan.

Zuzenketak ordenagailuan gordetzen dira, ~/.local/share/tiendal/registro/
karpetan (CSV bat ikasle eta hilabeteko), --registro edo --sin-registro ezean.
</translation>
    </message>
    <message>
        <source>tiendal: %1 (pruebe «tiendal --help»)</source>
        <translation>tiendal: %1 (probatu «tiendal --help»)</translation>
    </message>
    <message>
        <source>la opción «%1» no lleva valor</source>
        <translation>«%1» aukerak ez du baliorik onartzen</translation>
    </message>
    <message>
        <source>falta el factor tras «--escala»</source>
        <translation>faktorea falta da «--escala» aukeraren ondoren</translation>
    </message>
    <message>
        <source>falta el idioma tras «--idioma»</source>
        <translation>hizkuntza falta da «--idioma» aukeraren ondoren</translation>
    </message>
    <message>
        <source>falta la carpeta tras «%1»</source>
        <translation>karpeta falta da «%1» aukeraren ondoren</translation>
    </message>
    <message>
        <source>opción desconocida «%1%2»</source>
        <translation>aukera ezezaguna: «%1%2»</translation>
    </message>
    <message>
        <source>argumento de más «%1»</source>
        <translation>argumentu soberakoa: «%1»</translation>
    </message>
    <message>
        <source>la escala «%1» no es un número de 1 a 4</source>
        <translation>«%1» eskala ez da 1 eta 4 arteko zenbaki bat</translation>
    </message>
    <message>
        <source>no hay textos en el idioma «%1»; los hay en %2</source>
        <translation>ez dago testurik «%1» hizkuntzan; hauetan daude: %2</translation>
    </message>
    <message>
        <source>«--registro» y «--sin-registro» no van juntas</source>
        <translation>«--registro» eta «--sin-registro» ezin dira batera erabili</translation>
    </message>
    <message>
        <source>no existe la carpeta de datos «%1»</source>
        <translation>ez da existitzen «%1» datu-karpeta</translation>
    </message>
    <message>
        <source>no existe la carpeta del registro «%1»</source>
        <translation>ez da existitzen «%1» erregistro-karpeta</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Valores enteros</source>
        <translation>Zenbaki &amp;osoak</translation>
    </message>
    <message>
        <source>&amp;Mostrar resultado correcto</source>
        <translation>&amp;Erakutsi emaitza zuzena</translation>
    </message>
    <message>
        <source>&amp;Teclado numérico con el tabulador</source>
        <translation>&amp;Zenbaki-teklatua tabuladorearekin</translation>
    </message>
    <message>
        <source>&amp;Ayuda</source>
        <translation>&amp;Laguntza</translation>
    </message>
    <message>
        <source>&amp;Salir Alt-F4</source>
        <translation>&amp;Irten Alt-F4</translation>
    </message>
    <message>
        <source>&amp;Versión para sólo teclado</source>
        <translation>&amp;Teklatua bakarrik erabiltzeko bertsioa</translation>
    </message>
    <message>
        <source>&amp;Versión para teclado y ratón</source>
        <translation>&amp;Teklatua eta sagua erabiltzeko bertsioa</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>Registro</name>
    <message>
        <source>no tiene %1 campos sino %2</source>
        <translation>ez ditu %1 eremu, %2 baizik</translation>
    </message>
    <message>
        <source>no está en UTF-8</source>
        <translation>ez dago UTF-8 kodeketan</translation>
    </message>
    <message>
        <source>la fecha «%1» no es válida</source>
        <translation>«%1» data ez da baliozkoa</translation>
    </message>
    <message>
        <source>el ejercicio «%1» no es ninguno de los cinco</source>
        <translation>«%1» ariketa ez da bost ariketetako bat</translation>
    </message>
    <message>
        <source>el veredicto «%1» no es «%2» ni «%3»</source>
        <translation>«%1» epaia ez da «%2», ezta «%3» ere</translation>
    </message>
    <message>
        <source>la comprobación «%1» o los segundos «%2» no son un número válido</source>
        <translation>«%1» egiaztapena edo «%2» segundoak ez dira baliozko zenbakiak</translation>
    </message>
    <message>
        <source>%1: no se puede leer (%2)</source>
        <translation>%1: ezin da irakurri (%2)</translation>
    </message>
    <message>
        <source>%1: está vacío</source>
        <translation>%1: hutsik dago</translation>
    </message>
    <message>
        <source>%1: no es un registro de Tiendal</source>
        <translation>%1: ez da Tiendalen erregistro bat</translation>
    </message>
    <message>
        <source>%1, línea %2: %3</source>
        <translation>%1, %2. lerroa: %3</translation>
    </message>
    <message>
        <source>%1: y %2 líneas más que no se pueden leer</source>
        <translation>%1: eta irakurri ezin diren beste %2 lerro</translation>
    </message>
    <message>
        <source>Tiendal: no se puede escribir en el registro «%1» (%2); las respuestas no se guardan</source>
        <translation>Tiendal: ezin da idatzi «%1» erregistroan (%2); erantzunak ez dira gordetzen</translation>
    </message>
</context>
<context>
    <name>Resultados</name>
    <message>
        <source>Todos</source>
        <translation>Guztiak</translation>
    </message>
    <message>
        <source>Tipo %1</source>
        <translation>%1. mota</translation>
    </message>
    <message>
        <source>Respuestas correctas por semana</source>
        <translation>Erantzun zuzenak asteka</translation>
    </message>
    <message>
        <source>Sin respuestas en este periodo</source>
        <translation>Ez dago erantzunik aldi honetan</translation>
    </message>
    <message>
        <source>Todos los tipos</source>
        <translation>Mota guztiak</translation>
    </message>
    <message>
        <source>1. Total de tres productos</source>
        <translation>1. Hiru produkturen guztizkoa</translation>
    </message>
    <message>
        <source>2. Cambio de un billete</source>
        <translation>2. Billete baten kanbioa</translation>
    </message>
    <message>
        <source>3. El más caro menos el más barato</source>
        <translation>3. Garestiena ken merkeena</translation>
    </message>
    <message>
        <source>4. Precio de varias unidades</source>
        <translation>4. Hainbat unitateren prezioa</translation>
    </message>
    <message>
        <source>5. Más productos con el dinero</source>
        <translation>5. Ahalik eta produktu gehien diruarekin</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <translation>Ariketak</translation>
    </message>
    <message>
        <source>Bien a la primera</source>
        <translation>Lehenengoan ondo</translation>
    </message>
    <message>
        <source>Bien después</source>
        <translation>Geroago ondo</translation>
    </message>
    <message>
        <source>Mal</source>
        <translation>Gaizki</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Ejercicio</source>
        <translation>Ariketa</translation>
    </message>
    <message>
        <source>Productos</source>
        <translation>Produktuak</translation>
    </message>
    <message>
        <source>Dinero</source>
        <translation>Dirua</translation>
    </message>
    <message>
        <source>Unidades</source>
        <translation>Unitateak</translation>
    </message>
    <message>
        <source>Tecleado</source>
        <translation>Idatzitakoa</translation>
    </message>
    <message>
        <source>Esperado</source>
        <translation>Espero zena</translation>
    </message>
    <message>
        <source>Veredicto</source>
        <translation>Epaia</translation>
    </message>
    <message>
        <source>Comprobación</source>
        <translation>Egiaztapena</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Segundoak</translation>
    </message>
    <message>
        <source>Resultados de los alumnos</source>
        <translation>Ikasleen emaitzak</translation>
    </message>
    <message>
        <source>Hoy</source>
        <translation>Gaur</translation>
    </message>
    <message>
        <source>Esta semana</source>
        <translation>Aste honetan</translation>
    </message>
    <message>
        <source>Este mes</source>
        <translation>Hilabete honetan</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>Dena</translation>
    </message>
    <message>
        <source>&amp;Exportar resumen…</source>
        <translation>&amp;Esportatu laburpena…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Inprimatu…</translation>
    </message>
    <message>
        <source>&amp;Alumno:</source>
        <translation>I&amp;kaslea:</translation>
    </message>
    <message>
        <source>&amp;Periodo:</source>
        <translation>&amp;Aldia:</translation>
    </message>
    <message>
        <source>No hay respuestas registradas en %1.</source>
        <translation>Ez dago erantzunik erregistratuta hemen: %1.</translation>
    </message>
    <message>
        <source>Líneas que no se pueden leer</source>
        <translation>Irakurri ezin diren lerroak</translation>
    </message>
    <message>
        <source>Líneas que no se pueden leer:</source>
        <translation>Irakurri ezin diren lerroak:</translation>
    </message>
    <message>
        <source>alumno</source>
        <translation>ikaslea</translation>
    </message>
    <message>
        <source>ejercicio</source>
        <translation>ariketa</translation>
    </message>
    <message>
        <source>ejercicios</source>
        <translation>ariketak</translation>
    </message>
    <message>
        <source>bien a la primera</source>
        <translation>lehenengoan ondo</translation>
    </message>
    <message>
        <source>bien después</source>
        <translation>geroago ondo</translation>
    </message>
    <message>
        <source>mal</source>
        <translation>gaizki</translation>
    </message>
    <message>
        <source>todos</source>
        <translation>guztiak</translation>
    </message>
    <message>
        <source>Exportar resumen</source>
        <translation>Esportatu laburpena</translation>
    </message>
    <message>
        <source>resumen</source>
        <translation>laburpena</translation>
    </message>
    <message>
        <source>No se puede guardar «%1»: %2</source>
        <translation>Ezin da gorde «%1»: %2</translation>
    </message>
</context>
<context>
    <name>RevisionDatos</name>
    <message>
        <source>ilegible</source>
        <translation>irakurezina</translation>
    </message>
    <message>
        <source>«%1» no tiene línea en precios.txt y toma el precio de la primera línea: %2</source>
        <translation>«%1» produktuak ez du lerrorik precios.txt fitxategian, eta lehen lerroko prezioa hartzen du: %2</translation>
    </message>
    <message>
        <source>la línea «%1» de precios.txt no lleva «|» entre el nombre y el precio: «%2» lee el precio %3</source>
        <translation>precios.txt fitxategiko «%1» lerroak ez du «|» izenaren eta prezioaren artean: «%2» produktuari %3 prezioa irakurtzen zaio</translation>
    </message>
    <message>
        <source>«%1» aparece antes dentro de la línea «%2» de precios.txt y lee el precio %3</source>
        <translation>«%1» lehenago agertzen da precios.txt fitxategiko «%2» lerroaren barruan, eta %3 prezioa irakurtzen zaio</translation>
    </message>
    <message>
        <source>el nombre «%1» lleva «|» y su precio se lee tras esa barra: %2</source>
        <translation>«%1» izenak «|» dauka, eta bere prezioa barra horren ondoren irakurtzen da: %2</translation>
    </message>
    <message>
        <source>el precio de «%1» no tiene número en la línea «%2» de precios.txt: cuenta como 0</source>
        <translation>«%1» produktuaren prezioak ez du zenbakirik precios.txt fitxategiko «%2» lerroan: 0 gisa hartzen da</translation>
    </message>
    <message>
        <source>el precio de «%1» en la línea «%2» de precios.txt no cabe en precisión simple: cuenta como 0</source>
        <translation>precios.txt fitxategiko «%2» lerroan, «%1» produktuaren prezioa ez da sartzen doitasun bakunean: 0 gisa hartzen da</translation>
    </message>
    <message>
        <source>«%1» no cabe en su marco del estante: mide %2 píxeles y se ven %3</source>
        <translation>«%1» ez da sartzen apaleko bere markoan: %2 pixel neurtzen ditu, eta %3 ikusten dira</translation>
    </message>
    <message>
        <source>el nombre de la imagen «%1» no está en UTF-8: el programa no la ve (cámbiele el nombre)</source>
        <translation>«%1» irudiaren izena ez dago UTF-8 kodeketan: programak ez du ikusten (aldatu izena)</translation>
    </message>
    <message>
        <source>la imagen %1 no se puede leer como imagen</source>
        <translation>%1 irudia ezin da irudi gisa irakurri</translation>
    </message>
    <message>
        <source>falta el sonido %1</source>
        <translation>%1 soinua falta da</translation>
    </message>
    <message>
        <source>producto	imagen	tamaño	precio	precio_entero	sonido
</source>
        <translation>produktua	irudia	tamaina	prezioa	prezio_osoa	soinua
</translation>
    </message>
    <message>
        <source>sí</source>
        <translation>bai</translation>
    </message>
    <message>
        <source>falta</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>aviso: </source>
        <translation>abisua: </translation>
    </message>
</context>
<context>
    <name>Sesion</name>
    <message>
        <source>Debe elegir tres productos</source>
        <translation>Hiru produktu aukeratu behar dituzu</translation>
    </message>
    <message>
        <source>Debe elegir algún producto</source>
        <translation>Produkturen bat aukeratu behar duzu</translation>
    </message>
    <message>
        <source>Debe agregar los dos productos según se indica en las instrucciones</source>
        <translation>Bi produktuak gehitu behar dituzu, argibideetan esaten den bezala</translation>
    </message>
    <message>
        <source>no ha seleccionado ningún producto.</source>
        <translation>ez duzu produkturik aukeratu.</translation>
    </message>
    <message>
        <source>Al menos debe elegir un producto</source>
        <translation>Gutxienez produktu bat aukeratu behar duzu</translation>
    </message>
    <message>
        <source>Respuesta correcta: %1</source>
        <translation>Erantzun zuzena: %1</translation>
    </message>
    <message>
        <source>respuesta incorrecta.  La operación debe dar %1</source>
        <translation>erantzun okerra.  Eragiketak %1 eman behar du</translation>
    </message>
    <message>
        <source>respuesta incorrecta. </source>
        <translation>erantzun okerra. </translation>
    </message>
    <message>
        <source>el número de productos añadidos a la lista es correcto. </source>
        <translation>zerrendara gehitutako produktu kopurua zuzena da. </translation>
    </message>
    <message>
        <source>el número de productos añadidos a la lista  no es correcto.  Debería haber elegido %1 productos.</source>
        <translation>zerrendara gehitutako produktu kopurua ez da zuzena.  %1 produktu aukeratu behar zenituen.</translation>
    </message>
    <message>
        <source>Ha elegido correctamente los productos, tiene suficiente dinero para comprarlos. </source>
        <translation>Produktuak ondo aukeratu dituzu, nahikoa diru duzu haiek erosteko. </translation>
    </message>
    <message>
        <source>Ha elegido mal los productos, valen más del dinero disponible.</source>
        <translation>Produktuak gaizki aukeratu dituzu, diru erabilgarria baino gehiago balio dute.</translation>
    </message>
    <message>
        <source>Billete entregado:</source>
        <translation>Emandako billetea:</translation>
    </message>
    <message>
        <source>Dinero disponible=</source>
        <translation>Diru erabilgarria=</translation>
    </message>
    <message>
        <source>Ese no es el producto más caro</source>
        <translation>Hori ez da produktu garestiena</translation>
    </message>
    <message>
        <source>Ese no es el producto más barato</source>
        <translation>Hori ez da produktu merkeena</translation>
    </message>
    <message>
        <source>Sólo se puede añadir una unidad de cada producto a la lista</source>
        <translation>Produktu bakoitzeko unitate bat bakarrik gehi daiteke zerrendara</translation>
    </message>
    <message>
        <source>No puede añadir más productos a la lista. Quite antes otro producto para poder añadir ese.</source>
        <translation>Ezin duzu beste produkturik gehitu zerrendara. Kendu lehenago beste produktu bat, hori gehitu ahal izateko.</translation>
    </message>
    <message>
        <source>Número de unidades:</source>
        <translation>Unitate kopurua:</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Izena:</translation>
    </message>
</context>
<context>
    <name>Sonido</name>
    <message>
        <source>Tiendal: no se puede abrir el dispositivo de sonido (%1); no sonará nada.</source>
        <translation>Tiendal: ezin da ireki soinu-gailua (%1); ez da ezer entzungo.</translation>
    </message>
    <message>
        <source>Tiendal: no hay memoria para «%1» entero; sonará su comienzo.</source>
        <translation>Tiendal: ez dago memoria nahikorik «%1» osorik kargatzeko; hasiera bakarrik entzungo da.</translation>
    </message>
    <message>
        <source>Tiendal: no hay sonido (%1); no sonará nada.</source>
        <translation>Tiendal: ez dago soinurik (%1); ez da ezer entzungo.</translation>
    </message>
    <message>
        <source>Tiendal: no se puede reproducir «%1»: %2</source>
        <translation>Tiendal: ezin da erreproduzitu «%1»: %2</translation>
    </message>
</context>
<context>
    <name>TiendalDatos</name>
    <message>
        <source>Uso: tiendal-datos [--idioma IDIOMA] CARPETA
     tiendal-datos [--idioma IDIOMA] --textos-voces
Muestra lo que Tiendal hace de una carpeta de datos (imágenes/, precios.txt, Sonidos/):
una línea por producto, separada por tabuladores, con su imagen, su tamaño, su precio,
su precio entero y si tiene sonido, y después un aviso por cada problema.
Estado de salida: 0 sin avisos, 1 con avisos, 2 si Tiendal no puede arrancar con ella.

Opciones:
  --textos-voces muestra cada sonido fijo y lo que dice, separados por un tabulador,
                 y termina (generar-voces.sh lo lee)
  --idioma IDIOMA  habla en IDIOMA (ca, es, eu o gl); sin ella, en el de la sesión
  -h, --help     muestra esta ayuda y termina
  -v, --version  muestra la versión y termina
</source>
        <translation>Erabilera: tiendal-datos [--idioma HIZKUNTZA] KARPETA
           tiendal-datos [--idioma HIZKUNTZA] --textos-voces
Tiendalek datu-karpeta bat (imágenes/, precios.txt, Sonidos/) nola irakurtzen
duen erakusten du: lerro bat produktu bakoitzeko, tabuladoreekin (irudia,
tamaina, prezioa, prezio osoa eta soinua duen), eta abisu bat arazo bakoitzeko.
Irteera-egoera: 0 abisurik ez, 1 abisuak, 2 Tiendal harekin ezin bada abiarazi.

Aukerak:
  --textos-voces erakutsi soinu finko bakoitza eta zer dioen, tabuladore batez
                 bereizita, eta amaitu (generar-voces.sh-k irakurtzen du)
  --idioma HIZKUNTZA  erabili HIZKUNTZA (ca, es, eu edo gl); bestela, saioarena
  -h, --help     erakutsi laguntza hau eta amaitu
  -v, --version  erakutsi bertsioa eta amaitu
</translation>
    </message>
    <message>
        <source>tiendal-datos: no hay textos en el idioma «%1»; los hay en %2</source>
        <translation>tiendal-datos: ez dago testurik «%1» hizkuntzan; hauetan daude: %2</translation>
    </message>
    <message>
        <source>uso: tiendal-datos CARPETA | --textos-voces</source>
        <translation>erabilera: tiendal-datos KARPETA | --textos-voces</translation>
    </message>
</context>
<context>
    <name>Ventana</name>
    <message>
        <source>Fila %1 vacía</source>
        <translation>%1. errenkada hutsik</translation>
    </message>
    <message>
        <source>Fila %1 de la lista, sin producto</source>
        <translation>Zerrendako %1. errenkada, produkturik gabe</translation>
    </message>
    <message>
        <source>Fila %1: %2</source>
        <translation>%1. errenkada: %2</translation>
    </message>
    <message>
        <source>Coma decimal</source>
        <translation>Koma hamartarra</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Borrar todo</source>
        <translation>Ezabatu dena</translation>
    </message>
    <message>
        <source>Teclado numérico</source>
        <translation>Zenbaki-teklatua</translation>
    </message>
    <message>
        <source>Instrucciones del ejercicio</source>
        <translation>Ariketaren argibideak</translation>
    </message>
    <message>
        <source>&amp;Corregir</source>
        <translation>&amp;Zuzendu</translation>
    </message>
    <message>
        <source>&amp;Nuevo ejercicio</source>
        <translation>Ariketa &amp;berria</translation>
    </message>
    <message>
        <source>&amp;Opciones</source>
        <translation>&amp;Aukerak</translation>
    </message>
</context>
<context>
    <name>VentanaRaton</name>
    <message>
        <source>Producto %1 del estante</source>
        <translation>Apaleko %1. produktua</translation>
    </message>
    <message>
        <source>Producto %1 del estante: %2</source>
        <translation>Apaleko %1. produktua: %2</translation>
    </message>
    <message>
        <source>Nombre y precio del producto %1</source>
        <translation>%1. produktuaren izena eta prezioa</translation>
    </message>
</context>
<context>
    <name>VentanaTeclado</name>
    <message>
        <source>Tiendal, versión para sólo teclado</source>
        <translation>Tiendal, teklatua bakarrik erabiltzeko bertsioa</translation>
    </message>
    <message>
        <source>Tecla de aplicaciones: elegir un producto. F2: oír una columna de la cuenta. F3: oír los productos. Control: callar. F1: ayuda</source>
        <translation>Aplikazio-tekla: produktu bat aukeratu. F2: eragiketaren zutabe bat entzun. F3: produktuak entzun. Control: isilarazi. F1: laguntza</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Emaitza</translation>
    </message>
    <message>
        <source>Escriba aquí el resultado. F2 lee las cifras de la columna en la que está el cursor</source>
        <translation>Idatzi hemen emaitza. F2 teklak kurtsorea dagoen zutabeko zifrak irakurtzen ditu</translation>
    </message>
    <message>
        <source>Igual</source>
        <translation>Berdin</translation>
    </message>
    <message>
        <source>Comprueba la lista y el resultado. Atajo: Alt+%1</source>
        <translation>Zerrenda eta emaitza egiaztatzen ditu. Lasterbidea: Alt+%1</translation>
    </message>
    <message>
        <source>Empieza otro ejercicio. Atajo: Alt+%1</source>
        <translation>Beste ariketa bat hasten du. Lasterbidea: Alt+%1</translation>
    </message>
    <message>
        <source>Supr quita de la lista el producto de esta fila</source>
        <translation>Supr teklak errenkada honetako produktua kentzen du zerrendatik</translation>
    </message>
</context>
<context>
    <name>Voces</name>
    <message>
        <source>Elige tres productos y calcula cuánto cuestan en total</source>
        <translation>Aukeratu hiru produktu eta kalkulatu zenbat balio duten guztira</translation>
    </message>
    <message>
        <source>Elige un producto y calcula cuánto dinero te deben devolver</source>
        <translation>Aukeratu produktu bat eta kalkulatu zenbat diru itzuli behar dizuten</translation>
    </message>
    <message>
        <source>Añade a la lista el producto más caro, después añade el más barato y por último calcula la diferencia entre sus precios.</source>
        <translation>Gehitu zerrendara produktu garestiena, gero gehitu merkeena, eta azkenik kalkulatu haien prezioen arteko aldea.</translation>
    </message>
    <message>
        <source>Elige uno de los productos y calcula cuánto costarán tantos productos iguales como se indica en número de unidades</source>
        <translation>Aukeratu produktuetako bat eta kalkulatu zenbat balioko duten unitate kopuruan adierazten den adina produktu berdinek</translation>
    </message>
    <message>
        <source>Añade a la lista el máximo número de productos que puedes comprar con el dinero disponible  <byte value="xd"/>
Después suma los precios de los productos que has elegido.</source>
        <translation>Gehitu zerrendara diru erabilgarriarekin eros ditzakezun produktu kopururik handiena  <byte value="xd"/>
Gero, batu aukeratu dituzun produktuen prezioak.</translation>
    </message>
    <message>
        <source>cero</source>
        <translation>zero</translation>
    </message>
    <message>
        <source>uno</source>
        <translation>bat</translation>
    </message>
    <message>
        <source>dos</source>
        <translation>bi</translation>
    </message>
    <message>
        <source>tres</source>
        <translation>hiru</translation>
    </message>
    <message>
        <source>cuatro</source>
        <translation>lau</translation>
    </message>
    <message>
        <source>cinco</source>
        <translation>bost</translation>
    </message>
    <message>
        <source>seis</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>siete</source>
        <translation>zazpi</translation>
    </message>
    <message>
        <source>ocho</source>
        <translation>zortzi</translation>
    </message>
    <message>
        <source>nueve</source>
        <translation>bederatzi</translation>
    </message>
    <message>
        <source>Los productos son</source>
        <translation>Produktuak hauek dira</translation>
    </message>
    <message>
        <source>coma</source>
        <translation>koma</translation>
    </message>
    <message>
        <source>igual</source>
        <translation>berdin</translation>
    </message>
</context>
</TS>
