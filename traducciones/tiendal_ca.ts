<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>Ayuda</name>
    <message>
        <source>A continuación realice las operaciones matemáticas necesarias e introduzca el resultado.</source>
        <translation>A continuació, fes les operacions matemàtiques necessàries i escriu el resultat.</translation>
    </message>
    <message>
        <source>Pulse el botón corregir para comprobar si el resultado es correcto, y el botón Nuevo ejercicio para comenzar otra actividad.</source>
        <translation>Prem el botó Corregeix per comprovar si el resultat és correcte, i el botó Exercici nou per començar una altra activitat.</translation>
    </message>
    <message>
        <source>Pulsando f2 puede escuchar las cifras de la columna seleccionada en el cuadro del resultado, y pulsando F3 escuchará los productos disponibles.</source>
        <translation>Si prems F2, sentiràs les xifres de la columna seleccionada a la casella del resultat, i si prems F3, sentiràs els productes disponibles.</translation>
    </message>
    <message>
        <source>Use el ratón para ir agregando los productos necesarios a la lista. </source>
        <translation>Fes servir el ratolí per anar afegint a la llista els productes que calguin. </translation>
    </message>
    <message>
        <source>Si desea utilizar sólo el teclado, elija la opción correspondiente en el menú de opciones.</source>
        <translation>Si vols fer servir només el teclat, tria l&apos;opció corresponent al menú Opcions.</translation>
    </message>
    <message>
        <source>Pulse la tecla aplicaciones para ir agregando los productos necesarios a la lista. </source>
        <translation>Prem la tecla d&apos;aplicacions per anar afegint a la llista els productes que calguin. </translation>
    </message>
</context>
<context>
    <name>CarpetaDatos</name>
    <message>
        <source>Tiendal: no están instalados los productos en este idioma («%1»); se usan los de «%2».</source>
        <translation>Tiendal: els productes no estan instal·lats en aquest idioma («%1»); s&apos;utilitzen els de «%2».</translation>
    </message>
    <message>
        <source>No se encuentran los datos del programa. Se ha buscado la carpeta de imágenes «%1» junto al programa y la carpeta de datos instalada «%2».</source>
        <translation>No es troben les dades del programa. S&apos;ha cercat la carpeta d&apos;imatges «%1» al costat del programa i la carpeta de dades instal·lada «%2».</translation>
    </message>
</context>
<context>
    <name>Comprobaciones</name>
    <message>
        <source>No se puede leer la carpeta de imágenes «%1».</source>
        <translation>No es pot llegir la carpeta d&apos;imatges «%1».</translation>
    </message>
    <message>
        <source>No se encuentra la carpeta de imágenes «%1».</source>
        <translation>No es troba la carpeta d&apos;imatges «%1».</translation>
    </message>
    <message>
        <source>La carpeta de imágenes «%1» no tiene ninguna imagen .jpg.</source>
        <translation>La carpeta d&apos;imatges «%1» no té cap imatge .jpg.</translation>
    </message>
    <message>
        <source>La carpeta de imágenes «%1» tiene %2 imágenes .jpg y hacen falta al menos seis.</source>
        <translation>La carpeta d&apos;imatges «%1» té %2 imatges .jpg i en calen almenys sis.</translation>
    </message>
    <message>
        <source>La carpeta de imágenes «%1» tiene %2 imágenes .jpg y el programa admite como mucho %3.</source>
        <translation>La carpeta d&apos;imatges «%1» té %2 imatges .jpg i el programa n&apos;admet com a màxim %3.</translation>
    </message>
    <message>
        <source>No se puede leer el archivo de precios «%1».</source>
        <translation>No es pot llegir el fitxer de preus «%1».</translation>
    </message>
</context>
<context>
    <name>Elegidor</name>
    <message>
        <source>&amp;Productos </source>
        <translation>&amp;Productes </translation>
    </message>
    <message>
        <source>&amp;Aceptar</source>
        <translation>&amp;Accepta</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancel·la</translation>
    </message>
    <message>
        <source>Elige un producto</source>
        <translation>Tria un producte</translation>
    </message>
    <message>
        <source>Elija con las flechas el producto que quiere añadir a la lista</source>
        <translation>Tria amb les fletxes el producte que vols afegir a la llista</translation>
    </message>
    <message>
        <source>Productos que puede añadir a la lista, con su precio. Use las flechas arriba y abajo para elegir uno y pulse Intro para añadirlo</source>
        <translation>Productes que pots afegir a la llista, amb el seu preu. Fes servir les fletxes amunt i avall per triar-ne un i prem Intro per afegir-lo</translation>
    </message>
    <message>
        <source>Añade a la lista el producto elegido. Atajo: Alt+%1 o Intro</source>
        <translation>Afegeix a la llista el producte triat. Drecera: Alt+%1 o Intro</translation>
    </message>
    <message>
        <source>Cierra sin añadir ningún producto. Atajo: Alt+%1 o Escape</source>
        <translation>Tanca sense afegir cap producte. Drecera: Alt+%1 o Escape</translation>
    </message>
</context>
<context>
    <name>Estante</name>
    <message>
        <source>Tiendal: no se puede leer la imagen «%1».</source>
        <translation>Tiendal: no es pot llegir la imatge «%1».</translation>
    </message>
</context>
<context>
    <name>Idioma</name>
    <message>
        <source>Tiendal: no se puede leer el catálogo «%1»; los botones de Qt quedan en inglés.</source>
        <translation>Tiendal: no es pot llegir el catàleg «%1»; els botons de Qt queden en anglès.</translation>
    </message>
    <message>
        <source>Tiendal: no se puede leer el catálogo «%1»; los textos quedan en español.</source>
        <translation>Tiendal: no es pot llegir el catàleg «%1»; els textos queden en castellà.</translation>
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
        <translation>Ús: tiendal [--datos CARPETA] [--teclado] [--registro CARPETA | --sin-registro]
            [--pantalla-completa] [--escala FACTOR] [--idioma IDIOMA]
    tiendal --resultados [FITXER|CARPETA...]
Tiendal: pràctiques de càlcul a la botiga. Sis productes amb preu al prestatge,
cinc tipus d&apos;exercici, la llista de la compra i la correcció del resultat.

Opcions:
  --datos CARPETA  pren les dades de CARPETA: imágenes/, precios.txt, Sonidos/
  --teclado        comença en la versió només per a teclat
  --registro CARPETA  anota les respostes a CARPETA, un fitxer per alumne i mes
  --sin-registro   no anota les respostes
  --pantalla-completa  omple la pantalla, per a la pissarra digital, amb un
                   teclat numèric (se&apos;n surt amb F11 o Escape)
  --escala FACTOR  dibuixa la finestra d&apos;1 a 4 vegades més gran
  --resultados     obre els resultats dels alumnes: els registres donats o els
                   de l&apos;usuari
  --idioma IDIOMA  parla en IDIOMA: ca (català), es (castellà), eu (basc) o
                   gl (gallec); sense aquesta opció, en l&apos;idioma de la sessió
  -h, --help       mostra aquesta ajuda i surt
  -v, --version    mostra la versió i surt

Sense --datos, els productes surten de la carpeta del programa si té imágenes/
(còpia portàtil) o, si no, de la carpeta de dades instal·lada del seu idioma,
../share/tiendal respecte al programa. Les dues opcions del menú es desen a
Tiendal.ini, a la de dades si s&apos;hi pot escriure o, si no, a ~/.config/tiendal/.

Cada correcció s&apos;anota, sense sortir de l&apos;ordinador, en un CSV per alumne i mes
a ~/.local/share/tiendal/registro/ (llevat de --registro o --sin-registro).
</translation>
    </message>
    <message>
        <source>tiendal: %1 (pruebe «tiendal --help»)</source>
        <translation>tiendal: %1 (proveu «tiendal --help»)</translation>
    </message>
    <message>
        <source>la opción «%1» no lleva valor</source>
        <translation>l&apos;opció «%1» no admet cap valor</translation>
    </message>
    <message>
        <source>falta el factor tras «--escala»</source>
        <translation>falta el factor després de «--escala»</translation>
    </message>
    <message>
        <source>falta el idioma tras «--idioma»</source>
        <translation>falta l&apos;idioma després de «--idioma»</translation>
    </message>
    <message>
        <source>falta la carpeta tras «%1»</source>
        <translation>falta la carpeta després de «%1»</translation>
    </message>
    <message>
        <source>opción desconocida «%1%2»</source>
        <translation>opció desconeguda «%1%2»</translation>
    </message>
    <message>
        <source>argumento de más «%1»</source>
        <translation>argument sobrer «%1»</translation>
    </message>
    <message>
        <source>la escala «%1» no es un número de 1 a 4</source>
        <translation>l&apos;escala «%1» no és un nombre entre 1 i 4</translation>
    </message>
    <message>
        <source>no hay textos en el idioma «%1»; los hay en %2</source>
        <translation>no hi ha textos en l&apos;idioma «%1»; n&apos;hi ha en %2</translation>
    </message>
    <message>
        <source>«--registro» y «--sin-registro» no van juntas</source>
        <translation>«--registro» i «--sin-registro» no poden anar juntes</translation>
    </message>
    <message>
        <source>no existe la carpeta de datos «%1»</source>
        <translation>no existeix la carpeta de dades «%1»</translation>
    </message>
    <message>
        <source>no existe la carpeta del registro «%1»</source>
        <translation>no existeix la carpeta del registre «%1»</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Valores enteros</source>
        <translation>Valors &amp;enters</translation>
    </message>
    <message>
        <source>&amp;Mostrar resultado correcto</source>
        <translation>&amp;Mostra el resultat correcte</translation>
    </message>
    <message>
        <source>&amp;Teclado numérico con el tabulador</source>
        <translation>&amp;Teclat numèric amb el tabulador</translation>
    </message>
    <message>
        <source>&amp;Ayuda</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Salir Alt-F4</source>
        <translation>&amp;Surt Alt-F4</translation>
    </message>
    <message>
        <source>&amp;Versión para sólo teclado</source>
        <translation>&amp;Versió només per a teclat</translation>
    </message>
    <message>
        <source>&amp;Versión para teclado y ratón</source>
        <translation>&amp;Versió per a teclat i ratolí</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
</context>
<context>
    <name>Registro</name>
    <message>
        <source>no tiene %1 campos sino %2</source>
        <translation>no té %1 camps sinó %2</translation>
    </message>
    <message>
        <source>no está en UTF-8</source>
        <translation>no està codificat en UTF-8</translation>
    </message>
    <message>
        <source>la fecha «%1» no es válida</source>
        <translation>la data «%1» no és vàlida</translation>
    </message>
    <message>
        <source>el ejercicio «%1» no es ninguno de los cinco</source>
        <translation>l&apos;exercici «%1» no és cap dels cinc</translation>
    </message>
    <message>
        <source>el veredicto «%1» no es «%2» ni «%3»</source>
        <translation>el veredicte «%1» no és «%2» ni «%3»</translation>
    </message>
    <message>
        <source>la comprobación «%1» o los segundos «%2» no son un número válido</source>
        <translation>la comprovació «%1» o els segons «%2» no són un nombre vàlid</translation>
    </message>
    <message>
        <source>%1: no se puede leer (%2)</source>
        <translation>%1: no es pot llegir (%2)</translation>
    </message>
    <message>
        <source>%1: está vacío</source>
        <translation>%1: és buit</translation>
    </message>
    <message>
        <source>%1: no es un registro de Tiendal</source>
        <translation>%1: no és un registre de Tiendal</translation>
    </message>
    <message>
        <source>%1, línea %2: %3</source>
        <translation>%1, línia %2: %3</translation>
    </message>
    <message>
        <source>%1: y %2 líneas más que no se pueden leer</source>
        <translation>%1: i %2 línies més que no es poden llegir</translation>
    </message>
    <message>
        <source>Tiendal: no se puede escribir en el registro «%1» (%2); las respuestas no se guardan</source>
        <translation>Tiendal: no es pot escriure al registre «%1» (%2); les respostes no es desen</translation>
    </message>
</context>
<context>
    <name>Resultados</name>
    <message>
        <source>Todos</source>
        <translation>Tots</translation>
    </message>
    <message>
        <source>Tipo %1</source>
        <translation>Tipus %1</translation>
    </message>
    <message>
        <source>Respuestas correctas por semana</source>
        <translation>Respostes correctes per setmana</translation>
    </message>
    <message>
        <source>Sin respuestas en este periodo</source>
        <translation>Sense respostes en aquest període</translation>
    </message>
    <message>
        <source>Todos los tipos</source>
        <translation>Tots els tipus</translation>
    </message>
    <message>
        <source>1. Total de tres productos</source>
        <translation>1. Total de tres productes</translation>
    </message>
    <message>
        <source>2. Cambio de un billete</source>
        <translation>2. Canvi d&apos;un bitllet</translation>
    </message>
    <message>
        <source>3. El más caro menos el más barato</source>
        <translation>3. El més car menys el més barat</translation>
    </message>
    <message>
        <source>4. Precio de varias unidades</source>
        <translation>4. Preu de diverses unitats</translation>
    </message>
    <message>
        <source>5. Más productos con el dinero</source>
        <translation>5. Més productes amb els diners</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <translation>Exercicis</translation>
    </message>
    <message>
        <source>Bien a la primera</source>
        <translation>Bé a la primera</translation>
    </message>
    <message>
        <source>Bien después</source>
        <translation>Bé després</translation>
    </message>
    <message>
        <source>Mal</source>
        <translation>Malament</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Ejercicio</source>
        <translation>Exercici</translation>
    </message>
    <message>
        <source>Productos</source>
        <translation>Productes</translation>
    </message>
    <message>
        <source>Dinero</source>
        <translation>Diners</translation>
    </message>
    <message>
        <source>Unidades</source>
        <translation>Unitats</translation>
    </message>
    <message>
        <source>Tecleado</source>
        <translation>Teclejat</translation>
    </message>
    <message>
        <source>Esperado</source>
        <translation>Esperat</translation>
    </message>
    <message>
        <source>Veredicto</source>
        <translation>Veredicte</translation>
    </message>
    <message>
        <source>Comprobación</source>
        <translation>Comprovació</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Segons</translation>
    </message>
    <message>
        <source>Resultados de los alumnos</source>
        <translation>Resultats dels alumnes</translation>
    </message>
    <message>
        <source>Hoy</source>
        <translation>Avui</translation>
    </message>
    <message>
        <source>Esta semana</source>
        <translation>Aquesta setmana</translation>
    </message>
    <message>
        <source>Este mes</source>
        <translation>Aquest mes</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>&amp;Exportar resumen…</source>
        <translation>&amp;Exporta el resum…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Imprimeix…</translation>
    </message>
    <message>
        <source>&amp;Alumno:</source>
        <translation>&amp;Alumne:</translation>
    </message>
    <message>
        <source>&amp;Periodo:</source>
        <translation>&amp;Període:</translation>
    </message>
    <message>
        <source>No hay respuestas registradas en %1.</source>
        <translation>No hi ha respostes registrades a %1.</translation>
    </message>
    <message>
        <source>Líneas que no se pueden leer</source>
        <translation>Línies que no es poden llegir</translation>
    </message>
    <message>
        <source>Líneas que no se pueden leer:</source>
        <translation>Línies que no es poden llegir:</translation>
    </message>
    <message>
        <source>alumno</source>
        <translation>alumne</translation>
    </message>
    <message>
        <source>ejercicio</source>
        <translation>exercici</translation>
    </message>
    <message>
        <source>ejercicios</source>
        <translation>exercicis</translation>
    </message>
    <message>
        <source>bien a la primera</source>
        <translation>bé a la primera</translation>
    </message>
    <message>
        <source>bien después</source>
        <translation>bé després</translation>
    </message>
    <message>
        <source>mal</source>
        <translation>malament</translation>
    </message>
    <message>
        <source>todos</source>
        <translation>tots</translation>
    </message>
    <message>
        <source>Exportar resumen</source>
        <translation>Exporta el resum</translation>
    </message>
    <message>
        <source>resumen</source>
        <translation>resum</translation>
    </message>
    <message>
        <source>No se puede guardar «%1»: %2</source>
        <translation>No es pot desar «%1»: %2</translation>
    </message>
</context>
<context>
    <name>RevisionDatos</name>
    <message>
        <source>ilegible</source>
        <translation>il·legible</translation>
    </message>
    <message>
        <source>«%1» no tiene línea en precios.txt y toma el precio de la primera línea: %2</source>
        <translation>«%1» no té línia a precios.txt i pren el preu de la primera línia: %2</translation>
    </message>
    <message>
        <source>la línea «%1» de precios.txt no lleva «|» entre el nombre y el precio: «%2» lee el precio %3</source>
        <translation>la línia «%1» de precios.txt no porta «|» entre el nom i el preu: «%2» llegeix el preu %3</translation>
    </message>
    <message>
        <source>«%1» aparece antes dentro de la línea «%2» de precios.txt y lee el precio %3</source>
        <translation>«%1» apareix abans dins de la línia «%2» de precios.txt i llegeix el preu %3</translation>
    </message>
    <message>
        <source>el nombre «%1» lleva «|» y su precio se lee tras esa barra: %2</source>
        <translation>el nom «%1» porta «|» i el seu preu es llegeix després d&apos;aquesta barra: %2</translation>
    </message>
    <message>
        <source>el precio de «%1» no tiene número en la línea «%2» de precios.txt: cuenta como 0</source>
        <translation>el preu de «%1» no té cap nombre a la línia «%2» de precios.txt: compta com a 0</translation>
    </message>
    <message>
        <source>el precio de «%1» en la línea «%2» de precios.txt no cabe en precisión simple: cuenta como 0</source>
        <translation>el preu de «%1» a la línia «%2» de precios.txt no cap en precisió simple: compta com a 0</translation>
    </message>
    <message>
        <source>«%1» no cabe en su marco del estante: mide %2 píxeles y se ven %3</source>
        <translation>«%1» no cap al seu marc del prestatge: fa %2 píxels i se&apos;n veuen %3</translation>
    </message>
    <message>
        <source>el nombre de la imagen «%1» no está en UTF-8: el programa no la ve (cámbiele el nombre)</source>
        <translation>el nom de la imatge «%1» no està codificat en UTF-8: el programa no la veu (canvieu-li el nom)</translation>
    </message>
    <message>
        <source>la imagen %1 no se puede leer como imagen</source>
        <translation>la imatge %1 no es pot llegir com a imatge</translation>
    </message>
    <message>
        <source>falta el sonido %1</source>
        <translation>falta el so %1</translation>
    </message>
    <message>
        <source>producto	imagen	tamaño	precio	precio_entero	sonido
</source>
        <translation>producte	imatge	mida	preu	preu_enter	so
</translation>
    </message>
    <message>
        <source>sí</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>falta</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>aviso: </source>
        <translation>avís: </translation>
    </message>
</context>
<context>
    <name>Sesion</name>
    <message>
        <source>Debe elegir tres productos</source>
        <translation>Has de triar tres productes</translation>
    </message>
    <message>
        <source>Debe elegir algún producto</source>
        <translation>Has de triar algun producte</translation>
    </message>
    <message>
        <source>Debe agregar los dos productos según se indica en las instrucciones</source>
        <translation>Has d&apos;afegir els dos productes com diuen les instruccions</translation>
    </message>
    <message>
        <source>no ha seleccionado ningún producto.</source>
        <translation>no has triat cap producte.</translation>
    </message>
    <message>
        <source>Al menos debe elegir un producto</source>
        <translation>Has de triar almenys un producte</translation>
    </message>
    <message>
        <source>Respuesta correcta: %1</source>
        <translation>Resposta correcta: %1</translation>
    </message>
    <message>
        <source>respuesta incorrecta.  La operación debe dar %1</source>
        <translation>resposta incorrecta.  L&apos;operació ha de donar %1</translation>
    </message>
    <message>
        <source>respuesta incorrecta. </source>
        <translation>resposta incorrecta. </translation>
    </message>
    <message>
        <source>el número de productos añadidos a la lista es correcto. </source>
        <translation>el nombre de productes afegits a la llista és correcte. </translation>
    </message>
    <message>
        <source>el número de productos añadidos a la lista  no es correcto.  Debería haber elegido %1 productos.</source>
        <translation>el nombre de productes afegits a la llista  no és correcte.  Hauries d&apos;haver triat %1 productes.</translation>
    </message>
    <message>
        <source>Ha elegido correctamente los productos, tiene suficiente dinero para comprarlos. </source>
        <translation>Has triat bé els productes, tens prou diners per comprar-los. </translation>
    </message>
    <message>
        <source>Ha elegido mal los productos, valen más del dinero disponible.</source>
        <translation>Has triat malament els productes, valen més que els diners disponibles.</translation>
    </message>
    <message>
        <source>Billete entregado:</source>
        <translation>Bitllet entregat:</translation>
    </message>
    <message>
        <source>Dinero disponible=</source>
        <translation>Diners disponibles=</translation>
    </message>
    <message>
        <source>Ese no es el producto más caro</source>
        <translation>Aquest no és el producte més car</translation>
    </message>
    <message>
        <source>Ese no es el producto más barato</source>
        <translation>Aquest no és el producte més barat</translation>
    </message>
    <message>
        <source>Sólo se puede añadir una unidad de cada producto a la lista</source>
        <translation>Només es pot afegir una unitat de cada producte a la llista</translation>
    </message>
    <message>
        <source>No puede añadir más productos a la lista. Quite antes otro producto para poder añadir ese.</source>
        <translation>No pots afegir més productes a la llista. Primer treu-ne un altre per poder afegir aquest.</translation>
    </message>
    <message>
        <source>Número de unidades:</source>
        <translation>Nombre d&apos;unitats:</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Nom:</translation>
    </message>
</context>
<context>
    <name>Sonido</name>
    <message>
        <source>Tiendal: no se puede abrir el dispositivo de sonido (%1); no sonará nada.</source>
        <translation>Tiendal: no es pot obrir el dispositiu de so (%1); no sonarà res.</translation>
    </message>
    <message>
        <source>Tiendal: no hay memoria para «%1» entero; sonará su comienzo.</source>
        <translation>Tiendal: no hi ha prou memòria per a «%1» sencer; només en sonarà el començament.</translation>
    </message>
    <message>
        <source>Tiendal: no hay sonido (%1); no sonará nada.</source>
        <translation>Tiendal: no hi ha so (%1); no sonarà res.</translation>
    </message>
    <message>
        <source>Tiendal: no se puede reproducir «%1»: %2</source>
        <translation>Tiendal: no es pot reproduir «%1»: %2</translation>
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
        <translation>Ús: tiendal-datos [--idioma IDIOMA] CARPETA
    tiendal-datos [--idioma IDIOMA] --textos-voces
Mostra què fa Tiendal amb una carpeta de dades (imágenes/, precios.txt,
Sonidos/): una línia per producte, amb la imatge, la mida, el preu, el preu
enter i si té so, separats per tabuladors, i després un avís per problema.
Estat de sortida: 0 sense avisos, 1 amb avisos, 2 si Tiendal no hi arrenca.

Opcions:
  --textos-voces mostra cada so fix i el que diu, separats per un tabulador,
                 i surt (generar-voces.sh ho llegeix)
  --idioma IDIOMA  parla en IDIOMA (ca, es, eu o gl); si no, en el de la sessió
  -h, --help     mostra aquesta ajuda i surt
  -v, --version  mostra la versió i surt
</translation>
    </message>
    <message>
        <source>tiendal-datos: no hay textos en el idioma «%1»; los hay en %2</source>
        <translation>tiendal-datos: no hi ha textos en l&apos;idioma «%1»; n&apos;hi ha en %2</translation>
    </message>
    <message>
        <source>uso: tiendal-datos CARPETA | --textos-voces</source>
        <translation>ús: tiendal-datos CARPETA | --textos-voces</translation>
    </message>
</context>
<context>
    <name>Ventana</name>
    <message>
        <source>Fila %1 vacía</source>
        <translation>Fila %1 buida</translation>
    </message>
    <message>
        <source>Fila %1 de la lista, sin producto</source>
        <translation>Fila %1 de la llista, sense producte</translation>
    </message>
    <message>
        <source>Fila %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>Coma decimal</source>
        <translation>Coma decimal</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Esborra</translation>
    </message>
    <message>
        <source>Borrar todo</source>
        <translation>Esborra-ho tot</translation>
    </message>
    <message>
        <source>Teclado numérico</source>
        <translation>Teclat numèric</translation>
    </message>
    <message>
        <source>Instrucciones del ejercicio</source>
        <translation>Instruccions de l&apos;exercici</translation>
    </message>
    <message>
        <source>&amp;Corregir</source>
        <translation>&amp;Corregeix</translation>
    </message>
    <message>
        <source>&amp;Nuevo ejercicio</source>
        <translation>&amp;Exercici nou</translation>
    </message>
    <message>
        <source>&amp;Opciones</source>
        <translation>&amp;Opcions</translation>
    </message>
</context>
<context>
    <name>VentanaRaton</name>
    <message>
        <source>Producto %1 del estante</source>
        <translation>Producte %1 del prestatge</translation>
    </message>
    <message>
        <source>Producto %1 del estante: %2</source>
        <translation>Producte %1 del prestatge: %2</translation>
    </message>
    <message>
        <source>Nombre y precio del producto %1</source>
        <translation>Nom i preu del producte %1</translation>
    </message>
</context>
<context>
    <name>VentanaTeclado</name>
    <message>
        <source>Tiendal, versión para sólo teclado</source>
        <translation>Tiendal, versió només per a teclat</translation>
    </message>
    <message>
        <source>Tecla de aplicaciones: elegir un producto. F2: oír una columna de la cuenta. F3: oír los productos. Control: callar. F1: ayuda</source>
        <translation>Tecla d&apos;aplicacions: tria un producte. F2: escolta una columna de l&apos;operació. F3: escolta els productes. Control: atura la veu. F1: ajuda</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Escriba aquí el resultado. F2 lee las cifras de la columna en la que está el cursor</source>
        <translation>Escriu aquí el resultat. F2 llegeix les xifres de la columna on és el cursor</translation>
    </message>
    <message>
        <source>Igual</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Comprueba la lista y el resultado. Atajo: Alt+%1</source>
        <translation>Comprova la llista i el resultat. Drecera: Alt+%1</translation>
    </message>
    <message>
        <source>Empieza otro ejercicio. Atajo: Alt+%1</source>
        <translation>Comença un altre exercici. Drecera: Alt+%1</translation>
    </message>
    <message>
        <source>Supr quita de la lista el producto de esta fila</source>
        <translation>Supr treu de la llista el producte d&apos;aquesta fila</translation>
    </message>
</context>
<context>
    <name>Voces</name>
    <message>
        <source>Elige tres productos y calcula cuánto cuestan en total</source>
        <translation>Tria tres productes i calcula quant costen en total</translation>
    </message>
    <message>
        <source>Elige un producto y calcula cuánto dinero te deben devolver</source>
        <translation>Tria un producte i calcula quants diners t&apos;han de tornar</translation>
    </message>
    <message>
        <source>Añade a la lista el producto más caro, después añade el más barato y por último calcula la diferencia entre sus precios.</source>
        <translation>Afegeix a la llista el producte més car, després afegeix el més barat i, per acabar, calcula la diferència entre els seus preus.</translation>
    </message>
    <message>
        <source>Elige uno de los productos y calcula cuánto costarán tantos productos iguales como se indica en número de unidades</source>
        <translation>Tria un dels productes i calcula quant costaran tants productes iguals com indica el nombre d&apos;unitats</translation>
    </message>
    <message>
        <source>Añade a la lista el máximo número de productos que puedes comprar con el dinero disponible  <byte value="xd"/>
Después suma los precios de los productos que has elegido.</source>
        <translation>Afegeix a la llista el màxim de productes que pots comprar amb els diners disponibles  <byte value="xd"/>
Després suma els preus dels productes que has triat.</translation>
    </message>
    <message>
        <source>cero</source>
        <translation>zero</translation>
    </message>
    <message>
        <source>uno</source>
        <translation>u</translation>
    </message>
    <message>
        <source>dos</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>tres</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>cuatro</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>cinco</source>
        <translation>cinc</translation>
    </message>
    <message>
        <source>seis</source>
        <translation>sis</translation>
    </message>
    <message>
        <source>siete</source>
        <translation>set</translation>
    </message>
    <message>
        <source>ocho</source>
        <translation>vuit</translation>
    </message>
    <message>
        <source>nueve</source>
        <translation>nou</translation>
    </message>
    <message>
        <source>Los productos son</source>
        <translation>Els productes són</translation>
    </message>
    <message>
        <source>coma</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>igual</source>
        <translation>igual a</translation>
    </message>
</context>
</TS>
