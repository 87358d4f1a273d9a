<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl" sourcelanguage="es">
<context>
    <name>Ayuda</name>
    <message>
        <source>A continuación realice las operaciones matemáticas necesarias e introduzca el resultado.</source>
        <translation>A continuación fai as operacións matemáticas necesarias e escribe o resultado.</translation>
    </message>
    <message>
        <source>Pulse el botón corregir para comprobar si el resultado es correcto, y el botón Nuevo ejercicio para comenzar otra actividad.</source>
        <translation>Preme o botón Corrixir para comprobar se o resultado é correcto, e o botón Novo exercicio para comezar outra actividade.</translation>
    </message>
    <message>
        <source>Pulsando f2 puede escuchar las cifras de la columna seleccionada en el cuadro del resultado, y pulsando F3 escuchará los productos disponibles.</source>
        <translation>Premendo F2 podes escoitar as cifras da columna seleccionada na caixa do resultado, e premendo F3 escoitarás os produtos dispoñibles.</translation>
    </message>
    <message>
        <source>Use el ratón para ir agregando los productos necesarios a la lista. </source>
        <translation>Usa o rato para ir engadindo á lista os produtos necesarios. </translation>
    </message>
    <message>
        <source>Si desea utilizar sólo el teclado, elija la opción correspondiente en el menú de opciones.</source>
        <translation>Se queres usar só o teclado, escolle a opción correspondente no menú Opcións.</translation>
    </message>
    <message>
        <source>Pulse la tecla aplicaciones para ir agregando los productos necesarios a la lista. </source>
        <translation>Preme a tecla de aplicacións para ir engadindo á lista os produtos necesarios. </translation>
    </message>
</context>
<context>
    <name>CarpetaDatos</name>
    <message>
        <source>Tiendal: no están instalados los productos en este idioma («%1»); se usan los de «%2».</source>
        <translation>Tiendal: os produtos non están instalados neste idioma («%1»); úsanse os de «%2».</translation>
    </message>
    <message>
        <source>No se encuentran los datos del programa. Se ha buscado la carpeta de imágenes «%1» junto al programa y la carpeta de datos instalada «%2».</source>
        <translation>Non se atopan os datos do programa. Buscouse o cartafol de imaxes «%1» xunto ao programa e o cartafol de datos instalado «%2».</translation>
    </message>
</context>
<context>
    <name>Comprobaciones</name>
    <message>
        <source>No se puede leer la carpeta de imágenes «%1».</source>
        <translation>Non se pode ler o cartafol de imaxes «%1».</translation>
    </message>
    <message>
        <source>No se encuentra la carpeta de imágenes «%1».</source>
        <translation>Non se atopa o cartafol de imaxes «%1».</translation>
    </message>
    <message>
        <source>La carpeta de imágenes «%1» no tiene ninguna imagen .jpg.</source>
        <translation>O cartafol de imaxes «%1» non ten ningunha imaxe .jpg.</translation>
    </message>
    <message>
        <source>La carpeta de imágenes «%1» tiene %2 imágenes .jpg y hacen falta al menos seis.</source>
        <translation>O cartafol de imaxes «%1» ten %2 imaxes .jpg e fan falta polo menos seis.</translation>
    </message>
    <message>
        <source>La carpeta de imágenes «%1» tiene %2 imágenes .jpg y el programa admite como mucho %3.</source>
        <translation>O cartafol de imaxes «%1» ten %2 imaxes .jpg e o programa admite como moito %3.</translation>
    </message>
    <message>
        <source>No se puede leer el archivo de precios «%1».</source>
        <translation>Non se pode ler o ficheiro de prezos «%1».</translation>
    </message>
</context>
<context>
    <name>Elegidor</name>
    <message>
        <source>&amp;Productos </source>
        <translation>&amp;Produtos </translation>
    </message>
    <message>
        <source>&amp;Aceptar</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Elige un producto</source>
        <translation>Escolle un produto</translation>
    </message>
    <message>
        <source>Elija con las flechas el producto que quiere añadir a la lista</source>
        <translation>Escolle coas frechas o produto que queres engadir á lista</translation>
    </message>
    <message>
        <source>Productos que puede añadir a la lista, con su precio. Use las flechas arriba y abajo para elegir uno y pulse Intro para añadirlo</source>
        <translation>Produtos que podes engadir á lista, co seu prezo. Usa as frechas arriba e abaixo para escoller un e preme Intro para engadilo</translation>
    </message>
    <message>
        <source>Añade a la lista el producto elegido. Atajo: Alt+%1 o Intro</source>
        <translation>Engade á lista o produto escollido. Atallo: Alt+%1 ou Intro</translation>
    </message>
    <message>
        <source>Cierra sin añadir ningún producto. Atajo: Alt+%1 o Escape</source>
        <translation>Pecha sen engadir ningún produto. Atallo: Alt+%1 ou Escape</translation>
    </message>
</context>
<context>
    <name>Estante</name>
    <message>
        <source>Tiendal: no se puede leer la imagen «%1».</source>
        <translation>Tiendal: non se pode ler a imaxe «%1».</translation>
    </message>
</context>
<context>
    <name>Idioma</name>
    <message>
        <source>Tiendal: no se puede leer el catálogo «%1»; los botones de Qt quedan en inglés.</source>
        <translation>Tiendal: non se pode ler o catálogo «%1»; os botóns de Qt quedan en inglés.</translation>
    </message>
    <message>
        <source>Tiendal: no se puede leer el catálogo «%1»; los textos quedan en español.</source>
        <translation>Tiendal: non se pode ler o catálogo «%1»; os textos quedan en castelán.</translation>
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
        <translation>Uso: tiendal [--datos CARTAFOL] [--teclado] [--escala FACTOR] [--idioma IDIOMA]
             [--registro CARTAFOL | --sin-registro] [--pantalla-completa]
     tiendal --resultados [FICHEIRO|CARTAFOL...]
Tiendal: prácticas de cálculo na tenda. Un andel de seis produtos con prezos,
cinco clases de exercicio, a lista da compra e a corrección do resultado.

Opcións:
  --datos CARTAFOL usa os datos de CARTAFOL (imágenes/, precios.txt, Sonidos/)
  --teclado        comeza na versión só para teclado
  --registro CARTAFOL  un ficheiro de respostas por alumno e mes en CARTAFOL
  --sin-registro   non anota as respostas
  --pantalla-completa  enche a pantalla, para o encerado dixital, cun teclado
                   numérico (F11 ou Escape saen dela)
  --escala FACTOR  debuxa a xanela de 1 a 4 veces máis grande
  --resultados     abre os resultados dos alumnos: os rexistros dados, ou os
                   do usuario
  --idioma IDIOMA  fala en IDIOMA: ca (catalán), es (castelán), eu (éuscaro) ou
                   gl (galego); sen ela, no idioma da sesión
  -h, --help       mostra esta axuda e remata
  -v, --version    mostra a versión e remata

Sen --datos, os produtos cóllense do cartafol do programa se ten imágenes/ (a
copia portátil) ou do cartafol de datos instalado, ../share/tiendal xunto ao
programa, o do seu idioma. As dúas opcións do menú gárdanse en Tiendal.ini, no
cartafol dos datos se se pode escribir nel ou, se non, en ~/.config/tiendal/.

Cada corrección anótase só no equipo, en ~/.local/share/tiendal/registro/
(un ficheiro CSV por alumno e mes), agás con --registro ou --sin-registro.
</translation>
    </message>
    <message>
        <source>tiendal: %1 (pruebe «tiendal --help»)</source>
        <translation>tiendal: %1 (probe «tiendal --help»)</translation>
    </message>
    <message>
        <source>la opción «%1» no lleva valor</source>
        <translation>a opción «%1» non leva valor</translation>
    </message>
    <message>
        <source>falta el factor tras «--escala»</source>
        <translation>falta o factor tras «--escala»</translation>
    </message>
    <message>
        <source>falta el idioma tras «--idioma»</source>
        <translation>falta o idioma tras «--idioma»</translation>
    </message>
    <message>
        <source>falta la carpeta tras «%1»</source>
        <translation>falta o cartafol tras «%1»</translation>
    </message>
    <message>
        <source>opción desconocida «%1%2»</source>
        <translation>opción descoñecida «%1%2»</translation>
    </message>
    <message>
        <source>argumento de más «%1»</source>
        <translation>argumento de máis «%1»</translation>
    </message>
    <message>
        <source>la escala «%1» no es un número de 1 a 4</source>
        <translation>a escala «%1» non é un número de 1 a 4</translation>
    </message>
    <message>
        <source>no hay textos en el idioma «%1»; los hay en %2</source>
        <translation>non hai textos no idioma «%1»; hainos en %2</translation>
    </message>
    <message>
        <source>«--registro» y «--sin-registro» no van juntas</source>
        <translation>«--registro» e «--sin-registro» non van xuntas</translation>
    </message>
    <message>
        <source>no existe la carpeta de datos «%1»</source>
        <translation>non existe o cartafol de datos «%1»</translation>
    </message>
    <message>
        <source>no existe la carpeta del registro «%1»</source>
        <translation>non existe o cartafol do rexistro «%1»</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Valores enteros</source>
        <translation>Valores &amp;enteiros</translation>
    </message>
    <message>
        <source>&amp;Mostrar resultado correcto</source>
        <translation>&amp;Mostrar resultado correcto</translation>
    </message>
    <message>
        <source>&amp;Teclado numérico con el tabulador</source>
        <translation>&amp;Teclado numérico co tabulador</translation>
    </message>
    <message>
        <source>&amp;Ayuda</source>
        <translation>&amp;Axuda</translation>
    </message>
    <message>
        <source>&amp;Salir Alt-F4</source>
        <translation>&amp;Saír Alt-F4</translation>
    </message>
    <message>
        <source>&amp;Versión para sólo teclado</source>
        <translation>&amp;Versión só para teclado</translation>
    </message>
    <message>
        <source>&amp;Versión para teclado y ratón</source>
        <translation>&amp;Versión para teclado e rato</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Registro</name>
    <message>
        <source>no tiene %1 campos sino %2</source>
        <translation>non ten %1 campos senón %2</translation>
    </message>
    <message>
        <source>no está en UTF-8</source>
        <translation>non está en UTF-8</translation>
    </message>
    <message>
        <source>la fecha «%1» no es válida</source>
        <translation>a data «%1» non é válida</translation>
    </message>
    <message>
        <source>el ejercicio «%1» no es ninguno de los cinco</source>
        <translation>o exercicio «%1» non é ningún dos cinco</translation>
    </message>
    <message>
        <source>el veredicto «%1» no es «%2» ni «%3»</source>
        <translation>o veredicto «%1» non é «%2» nin «%3»</translation>
    </message>
    <message>
        <source>la comprobación «%1» o los segundos «%2» no son un número válido</source>
        <translation>a comprobación «%1» ou os segundos «%2» non son un número válido</translation>
    </message>
    <message>
        <source>%1: no se puede leer (%2)</source>
        <translation>%1: non se pode ler (%2)</translation>
    </message>
    <message>
        <source>%1: está vacío</source>
        <translation>%1: está baleiro</translation>
    </message>
    <message>
        <source>%1: no es un registro de Tiendal</source>
        <translation>%1: non é un rexistro de Tiendal</translation>
    </message>
    <message>
        <source>%1, línea %2: %3</source>
        <translation>%1, liña %2: %3</translation>
    </message>
    <message>
        <source>%1: y %2 líneas más que no se pueden leer</source>
        <translation>%1: e %2 liñas máis que non se poden ler</translation>
    </message>
    <message>
        <source>Tiendal: no se puede escribir en el registro «%1» (%2); las respuestas no se guardan</source>
        <translation>Tiendal: non se pode escribir no rexistro «%1» (%2); as respostas non se gardan</translation>
    </message>
</context>
<context>
    <name>Resultados</name>
    <message>
        <source>Todos</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Tipo %1</source>
        <translation>Tipo %1</translation>
    </message>
    <message>
        <source>Respuestas correctas por semana</source>
        <translation>Respostas correctas por semana</translation>
    </message>
    <message>
        <source>Sin respuestas en este periodo</source>
        <translation>Sen respostas neste período</translation>
    </message>
    <message>
        <source>Todos los tipos</source>
        <translation>Todos os tipos</translation>
    </message>
    <message>
        <source>1. Total de tres productos</source>
        <translation>1. Total de tres produtos</translation>
    </message>
    <message>
        <source>2. Cambio de un billete</source>
        <translation>2. Cambio dun billete</translation>
    </message>
    <message>
        <source>3. El más caro menos el más barato</source>
        <translation>3. O máis caro menos o máis barato</translation>
    </message>
    <message>
        <source>4. Precio de varias unidades</source>
        <translation>4. Prezo de varias unidades</translation>
    </message>
    <message>
        <source>5. Más productos con el dinero</source>
        <translation>5. Máis produtos co diñeiro</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <translation>Exercicios</translation>
    </message>
    <message>
        <source>Bien a la primera</source>
        <translation>Ben á primeira</translation>
    </message>
    <message>
        <source>Bien después</source>
        <translation>Ben despois</translation>
    </message>
    <message>
        <source>Mal</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Ejercicio</source>
        <translation>Exercicio</translation>
    </message>
    <message>
        <source>Productos</source>
        <translation>Produtos</translation>
    </message>
    <message>
        <source>Dinero</source>
        <translation>Diñeiro</translation>
    </message>
    <message>
        <source>Unidades</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Tecleado</source>
        <translation>Tecleado</translation>
    </message>
    <message>
        <source>Esperado</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Veredicto</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Comprobación</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Resultados de los alumnos</source>
        <translation>Resultados dos alumnos</translation>
    </message>
    <message>
        <source>Hoy</source>
        <translation>Hoxe</translation>
    </message>
    <message>
        <source>Esta semana</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>Este mes</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>&amp;Exportar resumen…</source>
        <translation>&amp;Exportar resumo…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Alumno:</source>
        <translation>&amp;Alumno:</translation>
    </message>
    <message>
        <source>&amp;Periodo:</source>
        <translation>&amp;Período:</translation>
    </message>
    <message>
        <source>No hay respuestas registradas en %1.</source>
        <translation>Non hai respostas rexistradas en %1.</translation>
    </message>
    <message>
        <source>Líneas que no se pueden leer</source>
        <translation>Liñas que non se poden ler</translation>
    </message>
    <message>
        <source>Líneas que no se pueden leer:</source>
        <translation>Liñas que non se poden ler:</translation>
    </message>
    <message>
        <source>alumno</source>
        <translation>alumno</translation>
    </message>
    <message>
        <source>ejercicio</source>
        <translation>exercicio</translation>
    </message>
    <message>
        <source>ejercicios</source>
        <translation>exercicios</translation>
    </message>
    <message>
        <source>bien a la primera</source>
        <translation>ben á primeira</translation>
    </message>
    <message>
        <source>bien después</source>
        <translation>ben despois</translation>
    </message>
    <message>
        <source>mal</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>todos</source>
        <translation>todos</translation>
    </message>
    <message>
        <source>Exportar resumen</source>
        <translation>Exportar resumo</translation>
    </message>
    <message>
        <source>resumen</source>
        <translation>resumo</translation>
    </message>
    <message>
        <source>No se puede guardar «%1»: %2</source>
        <translation>Non se pode gardar «%1»: %2</translation>
    </message>
</context>
<context>
    <name>RevisionDatos</name>
    <message>
        <source>ilegible</source>
        <translation>ilexible</translation>
    </message>
    <message>
        <source>«%1» no tiene línea en precios.txt y toma el precio de la primera línea: %2</source>
        <translation>«%1» non ten liña en precios.txt e colle o prezo da primeira liña: %2</translation>
    </message>
    <message>
        <source>la línea «%1» de precios.txt no lleva «|» entre el nombre y el precio: «%2» lee el precio %3</source>
        <translation>a liña «%1» de precios.txt non leva «|» entre o nome e o prezo: «%2» le o prezo %3</translation>
    </message>
    <message>
        <source>«%1» aparece antes dentro de la línea «%2» de precios.txt y lee el precio %3</source>
        <translation>«%1» aparece antes dentro da liña «%2» de precios.txt e le o prezo %3</translation>
    </message>
    <message>
        <source>el nombre «%1» lleva «|» y su precio se lee tras esa barra: %2</source>
        <translation>o nome «%1» leva «|» e o seu prezo lese despois desa barra: %2</translation>
    </message>
    <message>
        <source>el precio de «%1» no tiene número en la línea «%2» de precios.txt: cuenta como 0</source>
        <translation>o prezo de «%1» non ten número na liña «%2» de precios.txt: conta como 0</translation>
    </message>
    <message>
        <source>el precio de «%1» en la línea «%2» de precios.txt no cabe en precisión simple: cuenta como 0</source>
        <translation>o prezo de «%1» na liña «%2» de precios.txt non cabe en precisión simple: conta como 0</translation>
    </message>
    <message>
        <source>«%1» no cabe en su marco del estante: mide %2 píxeles y se ven %3</source>
        <translation>«%1» non cabe no seu marco do andel: mide %2 píxeles e vense %3</translation>
    </message>
    <message>
        <source>el nombre de la imagen «%1» no está en UTF-8: el programa no la ve (cámbiele el nombre)</source>
        <translation>o nome da imaxe «%1» non está en UTF-8: o programa non a ve (cámbielle o nome)</translation>
    </message>
    <message>
        <source>la imagen %1 no se puede leer como imagen</source>
        <translation>a imaxe %1 non se pode ler como imaxe</translation>
    </message>
    <message>
        <source>falta el sonido %1</source>
        <translation>falta o son %1</translation>
    </message>
    <message>
        <source>producto	imagen	tamaño	precio	precio_entero	sonido
</source>
        <translation>produto	imaxe	tamaño	prezo	prezo_enteiro	son
</translation>
    </message>
    <message>
        <source>sí</source>
        <translation>si</translation>
    </message>
    <message>
        <source>falta</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>aviso: </source>
        <translation>aviso: </translation>
    </message>
</context>
<context>
    <name>Sesion</name>
    <message>
        <source>Debe elegir tres productos</source>
        <translation>Debes escoller tres produtos</translation>
    </message>
    <message>
        <source>Debe elegir algún producto</source>
        <translation>Debes escoller algún produto</translation>
    </message>
    <message>
        <source>Debe agregar los dos productos según se indica en las instrucciones</source>
        <translation>Debes engadir os dous produtos como se indica nas instrucións</translation>
    </message>
    <message>
        <source>no ha seleccionado ningún producto.</source>
        <translation>non seleccionaches ningún produto.</translation>
    </message>
    <message>
        <source>Al menos debe elegir un producto</source>
        <translation>Polo menos debes escoller un produto</translation>
    </message>
    <message>
        <source>Respuesta correcta: %1</source>
        <translation>Resposta correcta: %1</translation>
    </message>
    <message>
        <source>respuesta incorrecta.  La operación debe dar %1</source>
        <translation>resposta incorrecta.  A operación debe dar %1</translation>
    </message>
    <message>
        <source>respuesta incorrecta. </source>
        <translation>resposta incorrecta. </translation>
    </message>
    <message>
        <source>el número de productos añadidos a la lista es correcto. </source>
        <translation>o número de produtos engadidos á lista é correcto. </translation>
    </message>
    <message>
        <source>el número de productos añadidos a la lista  no es correcto.  Debería haber elegido %1 productos.</source>
        <translation>o número de produtos engadidos á lista  non é correcto.  Tiñas que escoller %1 produtos.</translation>
    </message>
    <message>
        <source>Ha elegido correctamente los productos, tiene suficiente dinero para comprarlos. </source>
        <translation>Escolliches ben os produtos, tes diñeiro abondo para mercalos. </translation>
    </message>
    <message>
        <source>Ha elegido mal los productos, valen más del dinero disponible.</source>
        <translation>Escolliches mal os produtos, custan máis que o diñeiro dispoñible.</translation>
    </message>
    <message>
        <source>Billete entregado:</source>
        <translation>Billete entregado:</translation>
    </message>
    <message>
        <source>Dinero disponible=</source>
        <translation>Diñeiro que tes=</translation>
    </message>
    <message>
        <source>Ese no es el producto más caro</source>
        <translation>Ese non é o produto máis caro</translation>
    </message>
    <message>
        <source>Ese no es el producto más barato</source>
        <translation>Ese non é o produto máis barato</translation>
    </message>
    <message>
        <source>Sólo se puede añadir una unidad de cada producto a la lista</source>
        <translation>Só se pode engadir á lista unha unidade de cada produto</translation>
    </message>
    <message>
        <source>No puede añadir más productos a la lista. Quite antes otro producto para poder añadir ese.</source>
        <translation>Non podes engadir máis produtos á lista. Quita antes outro produto para poder engadir ese.</translation>
    </message>
    <message>
        <source>Número de unidades:</source>
        <translation>Número de unidades:</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Nome:</translation>
    </message>
</context>
<context>
    <name>Sonido</name>
    <message>
        <source>Tiendal: no se puede abrir el dispositivo de sonido (%1); no sonará nada.</source>
        <translation>Tiendal: non se pode abrir o dispositivo de son (%1); non soará nada.</translation>
    </message>
    <message>
        <source>Tiendal: no hay memoria para «%1» entero; sonará su comienzo.</source>
        <translation>Tiendal: non hai memoria para «%1» enteiro; soará o seu comezo.</translation>
    </message>
    <message>
        <source>Tiendal: no hay sonido (%1); no sonará nada.</source>
        <translation>Tiendal: non hai son (%1); non soará nada.</translation>
    </message>
    <message>
        <source>Tiendal: no se puede reproducir «%1»: %2</source>
        <translation>Tiendal: non se pode reproducir «%1»: %2</translation>
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
        <translation>Uso: tiendal-datos [--idioma IDIOMA] CARTAFOL
     tiendal-datos [--idioma IDIOMA] --textos-voces
Mostra como le Tiendal un cartafol de datos (imágenes/, precios.txt, Sonidos/):
unha liña por produto, separada por tabuladores, coa súa imaxe, o seu tamaño,
o seu prezo, o seu prezo enteiro e se ten son; despois, un aviso por problema.
Estado de saída: 0 sen avisos, 1 con avisos, 2 se Tiendal non arrinca con el.

Opcións:
  --textos-voces mostra cada son fixo e o que di, separados por un tabulador,
                 e remata (generar-voces.sh le esta saída)
  --idioma IDIOMA  fala en IDIOMA (ca, es, eu ou gl); sen ela, no da sesión
  -h, --help     mostra esta axuda e remata
  -v, --version  mostra a versión e remata
</translation>
    </message>
    <message>
        <source>tiendal-datos: no hay textos en el idioma «%1»; los hay en %2</source>
        <translation>tiendal-datos: non hai textos no idioma «%1»; hainos en %2</translation>
    </message>
    <message>
        <source>uso: tiendal-datos CARPETA | --textos-voces</source>
        <translation>uso: tiendal-datos CARTAFOL | --textos-voces</translation>
    </message>
</context>
<context>
    <name>Ventana</name>
    <message>
        <source>Fila %1 vacía</source>
        <translation>Fila %1 baleira</translation>
    </message>
    <message>
        <source>Fila %1 de la lista, sin producto</source>
        <translation>Fila %1 da lista, sen produto</translation>
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
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Borrar todo</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Teclado numérico</source>
        <translation>Teclado numérico</translation>
    </message>
    <message>
        <source>Instrucciones del ejercicio</source>
        <translation>Instrucións do exercicio</translation>
    </message>
    <message>
        <source>&amp;Corregir</source>
        <translation>&amp;Corrixir</translation>
    </message>
    <message>
        <source>&amp;Nuevo ejercicio</source>
        <translation>&amp;Novo exercicio</translation>
    </message>
    <message>
        <source>&amp;Opciones</source>
        <translation>&amp;Opcións</translation>
    </message>
</context>
<context>
    <name>VentanaRaton</name>
    <message>
        <source>Producto %1 del estante</source>
        <translation>Produto %1 do andel</translation>
    </message>
    <message>
        <source>Producto %1 del estante: %2</source>
        <translation>Produto %1 do andel: %2</translation>
    </message>
    <message>
        <source>Nombre y precio del producto %1</source>
        <translation>Nome e prezo do produto %1</translation>
    </message>
</context>
<context>
    <name>VentanaTeclado</name>
    <message>
        <source>Tiendal, versión para sólo teclado</source>
        <translation>Tiendal, versión só para teclado</translation>
    </message>
    <message>
        <source>Tecla de aplicaciones: elegir un producto. F2: oír una columna de la cuenta. F3: oír los productos. Control: callar. F1: ayuda</source>
        <translation>Tecla de aplicacións: escoller un produto. F2: oír unha columna da conta. F3: oír os produtos. Control: calar. F1: axuda</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Escriba aquí el resultado. F2 lee las cifras de la columna en la que está el cursor</source>
        <translation>Escribe aquí o resultado. F2 le as cifras da columna na que está o cursor</translation>
    </message>
    <message>
        <source>Igual</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Comprueba la lista y el resultado. Atajo: Alt+%1</source>
        <translation>Comproba a lista e o resultado. Atallo: Alt+%1</translation>
    </message>
    <message>
        <source>Empieza otro ejercicio. Atajo: Alt+%1</source>
        <translation>Comeza outro exercicio. Atallo: Alt+%1</translation>
    </message>
    <message>
        <source>Supr quita de la lista el producto de esta fila</source>
        <translation>Supr quita da lista o produto desta fila</translation>
    </message>
</context>
<context>
    <name>Voces</name>
    <message>
        <source>Elige tres productos y calcula cuánto cuestan en total</source>
        <translation>Escolle tres produtos e calcula canto custan en total</translation>
    </message>
    <message>
        <source>Elige un producto y calcula cuánto dinero te deben devolver</source>
        <translation>Escolle un produto e calcula canto diñeiro che teñen que devolver</translation>
    </message>
    <message>
        <source>Añade a la lista el producto más caro, después añade el más barato y por último calcula la diferencia entre sus precios.</source>
        <translation>Engade á lista o produto máis caro, despois engade o máis barato e por último calcula a diferenza entre os seus prezos.</translation>
    </message>
    <message>
        <source>Elige uno de los productos y calcula cuánto costarán tantos productos iguales como se indica en número de unidades</source>
        <translation>Escolle un dos produtos e calcula canto custarán tantos produtos iguais como indica o número de unidades</translation>
    </message>
    <message>
        <source>Añade a la lista el máximo número de productos que puedes comprar con el dinero disponible  <byte value="xd"/>
Después suma los precios de los productos que has elegido.</source>
        <translation>Engade á lista o maior número de produtos que podes mercar co diñeiro dispoñible  <byte value="xd"/>
Despois suma os prezos dos produtos que escolliches.</translation>
    </message>
    <message>
        <source>cero</source>
        <translation>cero</translation>
    </message>
    <message>
        <source>uno</source>
        <translation>un</translation>
    </message>
    <message>
        <source>dos</source>
        <translation>dous</translation>
    </message>
    <message>
        <source>tres</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>cuatro</source>
        <translation>catro</translation>
    </message>
    <message>
        <source>cinco</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>seis</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>siete</source>
        <translation>sete</translation>
    </message>
    <message>
        <source>ocho</source>
        <translation>oito</translation>
    </message>
    <message>
        <source>nueve</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>Los productos son</source>
        <translation>Os produtos son</translation>
    </message>
    <message>
        <source>coma</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>igual</source>
        <translation>igual</translation>
    </message>
</context>
</TS>
