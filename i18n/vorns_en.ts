<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>FenetreAjustement</name>
    <message>
        <source>t min</source>
        <translation>t min</translation>
    </message>
    <message>
        <source>Début de la fenêtre d&apos;ajustement, dans l&apos;unité des durées</source>
        <translation>Start of the fit window, in the unit of the durations</translation>
    </message>
    <message>
        <source>t max</source>
        <translation>t max</translation>
    </message>
    <message>
        <source>Fin de la fenêtre d&apos;ajustement, dans l&apos;unité des durées</source>
        <translation>End of the fit window, in the unit of the durations</translation>
    </message>
    <message>
        <source>modèle</source>
        <translation>model</translation>
    </message>
    <message>
        <source>Le modèle ajusté aux durées</source>
        <translation>The model fitted to the durations</translation>
    </message>
    <message>
        <source>méthode</source>
        <translation>method</translation>
    </message>
    <message>
        <source>Ajustement des durées une à une (non binné) ou de l&apos;histogramme de leurs classes</source>
        <translation>Fit of the durations one by one (unbinned) or of the histogram of their classes</translation>
    </message>
    <message>
        <source>1 unité en ns</source>
        <translation>1 unit in ns</translation>
    </message>
    <message>
        <source>Durée d&apos;une unité du fichier en nanosecondes ; vide : à fixer</source>
        <translation>Length of one unit of the file in nanoseconds; empty: to be set</translation>
    </message>
    <message>
        <source>matière des μ−</source>
        <translation>material of the μ−</translation>
    </message>
    <message>
        <source>ρ = N+/N−</source>
        <translation>ρ = N+/N−</translation>
    </message>
    <message>
        <source>Rapport des μ+ aux μ− du modèle de rapport de charge</source>
        <translation>Ratio of μ+ to μ− of the charge ratio model</translation>
    </message>
    <message>
        <source>précision visée</source>
        <translation>precision aimed at</translation>
    </message>
    <message>
        <source>La précision de τ visée : la prévision dit quand le run l&apos;atteint</source>
        <translation>The precision of τ aimed at: the forecast says when the run reaches it</translation>
    </message>
    <message>
        <source>graphes et tableaux</source>
        <translation>plots and tables</translation>
    </message>
    <message>
        <source>Les flèches gauche et droite changent d&apos;onglet</source>
        <translation>The left and right arrows change the tab</translation>
    </message>
    <message>
        <source>L&apos;histogramme des durées et la courbe ajustée</source>
        <translation>The histogram of the durations and the fitted curve</translation>
    </message>
    <message>
        <source>Tau ajusté à chaque chargement, au fil du run</source>
        <translation>Tau fitted at every load, along the run</translation>
    </message>
    <message>
        <source>Tau selon t min : la stabilité de l&apos;ajustement</source>
        <translation>Tau against t min: the stability of the fit</translation>
    </message>
    <message>
        <source>Le taux d&apos;événements au fil du temps, ses trous, l&apos;alarme d&apos;un arrêt</source>
        <translation>The event rate over time, its gaps, the alarm of a stop</translation>
    </message>
    <message>
        <source>D&apos;autres runs ajustés avec le run suivi, et les intervalles exclus</source>
        <translation>Other runs fitted with the run followed, and the intervals left out</translation>
    </message>
    <message>
        <source>Effectifs de l&apos;histogramme sur une échelle logarithmique</source>
        <translation>Counts of the histogram on a logarithmic scale</translation>
    </message>
    <message>
        <source>histogramme et courbe ajustée</source>
        <translation>histogram and fitted curve</translation>
    </message>
    <message>
        <source>convergence de l&apos;ajustement au fil du run</source>
        <translation>convergence of the fit along the run</translation>
    </message>
    <message>
        <source>stabilité de τ selon t min</source>
        <translation>stability of τ against t min</translation>
    </message>
    <message>
        <source>Enregistrer le graphe de l&apos;onglet affiché en image PNG</source>
        <translation>Save the plot of the tab shown as a PNG picture</translation>
    </message>
    <message>
        <source>Enregistrer le graphe de l&apos;onglet affiché en image SVG</source>
        <translation>Save the plot of the tab shown as an SVG picture</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;histogramme et les valeurs ajustées en tableau CSV</source>
        <translation>Save the histogram and the fitted values as a CSV table</translation>
    </message>
    <message>
        <source>Enregistrer la convergence de l&apos;ajustement en tableau CSV</source>
        <translation>Save the convergence of the fit as a CSV table</translation>
    </message>
    <message>
        <source>Enregistrer le rapport du run en PDF</source>
        <translation>Save the run&apos;s report as PDF</translation>
    </message>
    <message>
        <source>Imprimer le rapport du run</source>
        <translation>Print the run&apos;s report</translation>
    </message>
    <message>
        <source>largeur des tranches en minutes</source>
        <translation>width of the bins in minutes</translation>
    </message>
    <message>
        <source>Largeur des tranches de temps du taux, en minutes ; vide : choisie d&apos;après le taux</source>
        <translation>Width of the rate&apos;s time bins, in minutes; empty: chosen from the rate</translation>
    </message>
    <message>
        <source>trous du run</source>
        <translation>gaps of the run</translation>
    </message>
    <message>
        <source>Les intervalles sans événement plus longs que le taux ne le laisse attendre</source>
        <translation>The intervals without an event longer than the rate lets one expect</translation>
    </message>
    <message>
        <source>exclure le trou</source>
        <translation>leave the gap out</translation>
    </message>
    <message>
        <source>Exclure du run l&apos;intervalle du trou choisi</source>
        <translation>Leave the interval of the chosen gap out of the run</translation>
    </message>
    <message>
        <source>taux du run au fil du temps</source>
        <translation>the run&apos;s rate over time</translation>
    </message>
    <message>
        <source>taux du run :</source>
        <translation>the run&apos;s rate:</translation>
    </message>
    <message>
        <source>Choisir d&apos;autres runs à ajuster avec le run suivi</source>
        <translation>Choose other runs to fit with the run followed</translation>
    </message>
    <message>
        <source>Retirer de l&apos;ajustement le run ajouté choisi dans le tableau</source>
        <translation>Remove the added run chosen in the table from the fit</translation>
    </message>
    <message>
        <source>runs ajustés ensemble</source>
        <translation>runs fitted together</translation>
    </message>
    <message>
        <source>Le run suivi, puis les runs ajoutés, un par ligne</source>
        <translation>The run followed, then the added runs, one a line</translation>
    </message>
    <message>
        <source>début de l&apos;exclusion</source>
        <translation>start of the excluded interval</translation>
    </message>
    <message>
        <source>Heure du début de l&apos;intervalle à exclure du run choisi</source>
        <translation>Time of the start of the interval to leave out of the chosen run</translation>
    </message>
    <message>
        <source>fin de l&apos;exclusion</source>
        <translation>end of the excluded interval</translation>
    </message>
    <message>
        <source>Heure de la fin de l&apos;intervalle à exclure du run choisi</source>
        <translation>Time of the end of the interval to leave out of the chosen run</translation>
    </message>
    <message>
        <source>exclure l&apos;intervalle</source>
        <translation>leave the interval out</translation>
    </message>
    <message>
        <source>Exclure l&apos;intervalle tapé du run choisi</source>
        <translation>Leave the interval typed out of the chosen run</translation>
    </message>
    <message>
        <source>exclusions du run choisi</source>
        <translation>intervals left out of the chosen run</translation>
    </message>
    <message>
        <source>Les intervalles exclus du run choisi dans le tableau, un par ligne</source>
        <translation>The intervals left out of the run chosen in the table, one a line</translation>
    </message>
    <message>
        <source>ajustement des runs ensemble :</source>
        <translation>fit of the runs together:</translation>
    </message>
    <message>
        <source>cohérence des runs :</source>
        <translation>consistency of the runs:</translation>
    </message>
    <message>
        <source>Remettre dans le run l&apos;intervalle choisi dans la liste</source>
        <translation>Put the interval chosen in the list back into the run</translation>
    </message>
    <message>
        <source>image SVG</source>
        <translation>SVG picture</translation>
    </message>
    <message>
        <source>image PNG</source>
        <translation>PNG picture</translation>
    </message>
    <message>
        <source>tableau CSV</source>
        <translation>CSV table</translation>
    </message>
    <message>
        <source>rapport PDF</source>
        <translation>PDF report</translation>
    </message>
    <message>
        <source>Imprimer le rapport</source>
        <translation>Print the report</translation>
    </message>
    <message>
        <source>rapport PDF…</source>
        <translation>PDF report…</translation>
    </message>
    <message>
        <source>imprimer…</source>
        <translation>print…</translation>
    </message>
    <message>
        <source>vorns - analyse du run</source>
        <translation>vorns - analysis of the run</translation>
    </message>
    <message>
        <source>1 unité =</source>
        <translation>1 unit =</translation>
    </message>
    <message>
        <source>à fixer</source>
        <translation>to be set</translation>
    </message>
    <message>
        <source>échelle logarithmique des effectifs</source>
        <translation>logarithmic scale of the counts</translation>
    </message>
    <message>
        <source>histogramme</source>
        <translation>histogram</translation>
    </message>
    <message>
        <source>convergence</source>
        <translation>convergence</translation>
    </message>
    <message>
        <source>stabilité</source>
        <translation>stability</translation>
    </message>
    <message>
        <source>taux</source>
        <translation>rate</translation>
    </message>
    <message>
        <source>histogramme CSV</source>
        <translation>histogram CSV</translation>
    </message>
    <message>
        <source>convergence CSV</source>
        <translation>convergence CSV</translation>
    </message>
    <message>
        <source>carbone, oxygène, ou la durée de vie des μ− en ns</source>
        <translation>carbon, oxygen, or the lifetime of the μ− in ns</translation>
    </message>
    <message>
        <source>runs</source>
        <translation>runs</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>En tête du rapport ; vorns s&apos;en souviendra pour le suivant.</source>
        <translation>At the head of the report; vorns will remember it for the next one.</translation>
    </message>
    <message>
        <source>Nom(s) :</source>
        <translation>Name(s):</translation>
    </message>
    <message>
        <source>Groupe :</source>
        <translation>Group:</translation>
    </message>
    <message>
        <source>Cours :</source>
        <translation>Course:</translation>
    </message>
    <message>
        <source>Montage :</source>
        <translation>Set-up:</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Le run en lecture seule pour un autre appareil : son adresse et son code QR</source>
        <translation>The run, read-only, for another device: its address and its QR code</translation>
    </message>
    <message>
        <source>partage</source>
        <translation>share</translation>
    </message>
</context>
<context>
    <name>OngletPartage</name>
    <message>
        <source>La page montre le run en lecture seule : son nom, les chiffres, τ ± σ, le taux, l&apos;alarme et les graphes, tels que cette fenêtre les montre après chaque rechargement ; jamais les données brutes. Elle est ouverte par qui a l&apos;adresse entière, avec son jeton : sur cet ordinateur seul, ou sur le réseau du laboratoire si vous le choisissez.</source>
        <translation>The page shows the run read-only: its name, the figures, τ ± σ, the rate, the alarm and the plots, as this window shows them after each reload; never the raw data. Whoever has the whole address, with its token, opens it: on this computer only, or on the lab&apos;s network if you choose so.</translation>
    </message>
    <message>
        <source>partager le run</source>
        <translation>share the run</translation>
    </message>
    <message>
        <source>Sert la page du run à l&apos;adresse montrée ci-dessous</source>
        <translation>Serves the run&apos;s page at the address shown below</translation>
    </message>
    <message>
        <source>sur le réseau</source>
        <translation>on the network</translation>
    </message>
    <message>
        <source>Offre la page aux autres appareils du réseau, pas seulement à cet ordinateur</source>
        <translation>Offers the page to the network&apos;s other devices, not only to this computer</translation>
    </message>
    <message>
        <source>garder l&apos;adresse</source>
        <translation>keep the address</translation>
    </message>
    <message>
        <source>Garde le jeton et le port d&apos;un partage au suivant, dans le dossier des réglages</source>
        <translation>Keeps the token and the port from one sharing to the next, in the settings folder</translation>
    </message>
    <message>
        <source>port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>Le port de la page ; 0 : un port libre</source>
        <translation>The page&apos;s port; 0: a free port</translation>
    </message>
    <message>
        <source>adresse de la page</source>
        <translation>address of the page</translation>
    </message>
    <message>
        <source>code QR de l&apos;adresse de la page</source>
        <translation>QR code of the page&apos;s address</translation>
    </message>
    <message>
        <source>Le run n&apos;est pas partagé.</source>
        <translation>The run is not shared.</translation>
    </message>
    <message>
        <source>Le run ne peut pas être partagé sur le port %1 : %2</source>
        <translation>The run cannot be shared on port %1: %2</translation>
    </message>
    <message>
        <source>Le run est partagé sur le réseau : qui a cette adresse voit la page.</source>
        <translation>The run is shared on the network: whoever has this address sees the page.</translation>
    </message>
    <message>
        <source>Le run est partagé sur cet ordinateur seul.</source>
        <translation>The run is shared on this computer only.</translation>
    </message>
    <message>
        <source>L&apos;adresse ne peut pas être gardée dans %1 : %2</source>
        <translation>The address cannot be kept in %1: %2</translation>
    </message>
</context>
<context>
    <name>OngletRuns</name>
    <message>
        <source>ajouter des runs…</source>
        <translation>add runs…</translation>
    </message>
    <message>
        <source>retirer le run</source>
        <translation>remove the run</translation>
    </message>
    <message>
        <source>de</source>
        <comment>from a time to another</comment>
        <translation>from</translation>
    </message>
    <message>
        <source>à</source>
        <comment>from a time to another</comment>
        <translation>to</translation>
    </message>
    <message>
        <source>hh:mm:ss ou +1/hh:mm:ss</source>
        <translation>hh:mm:ss or +1/hh:mm:ss</translation>
    </message>
    <message>
        <source>exclure</source>
        <translation>leave out</translation>
    </message>
    <message>
        <source>retirer l&apos;exclusion</source>
        <translation>put the interval back</translation>
    </message>
    <message>
        <source>exclu, remarques</source>
        <translation>left out, remarks</translation>
    </message>
    <message>
        <source>exclusions de %1</source>
        <translation>intervals left out of %1</translation>
    </message>
    <message>
        <source>ajouter des runs</source>
        <translation>add runs</translation>
    </message>
    <message>
        <source>choisir dans le tableau un run ajouté (le run suivi reste)</source>
        <translation>choose an added run in the table (the run followed stays)</translation>
    </message>
    <message>
        <source>exclusion : %1</source>
        <translation>interval left out: %1</translation>
    </message>
</context>
<context>
    <name>OngletTaux</name>
    <message>
        <source>largeur des tranches (min, vide : automatique)</source>
        <translation>width of the bins (min, empty: automatic)</translation>
    </message>
    <message>
        <source>exclure</source>
        <translation>leave out</translation>
    </message>
    <message>
        <source>%1 ; tranches choisies d&apos;après le taux</source>
        <translation>%1; bins chosen from the rate</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Choisir le fichier de données à suivre (%1)</source>
        <translation>Choose the data file to follow (%1)</translation>
    </message>
    <message>
        <source>Jouer le son ding1.wav à chaque rafraîchissement</source>
        <translation>Play the sound ding1.wav at every refresh</translation>
    </message>
    <message>
        <source>échelle x</source>
        <translation>x scale</translation>
    </message>
    <message>
        <source>Durée d&apos;acquisition en minutes au bout de l&apos;axe horizontal du graphe des enregistrements</source>
        <translation>Acquisition time in minutes at the end of the horizontal axis of the records plot</translation>
    </message>
    <message>
        <source>augmenter l&apos;échelle x</source>
        <translation>increase x scale</translation>
    </message>
    <message>
        <source>Échelle x à la valeur suivante de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>x scale to the next value of the series 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>diminuer l&apos;échelle x</source>
        <translation>decrease x scale</translation>
    </message>
    <message>
        <source>Échelle x à la valeur précédente de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>x scale to the previous value of the series 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>autoscale x</source>
        <translation>autoscale x</translation>
    </message>
    <message>
        <source>Échelle x prise de la durée d&apos;acquisition à chaque chargement</source>
        <translation>x scale taken from the acquisition time at every load</translation>
    </message>
    <message>
        <source>échelle y</source>
        <translation>y scale</translation>
    </message>
    <message>
        <source>Durée au bout de l&apos;axe vertical du graphe des enregistrements</source>
        <translation>Duration at the end of the vertical axis of the records plot</translation>
    </message>
    <message>
        <source>augmenter l&apos;échelle y</source>
        <translation>increase y scale</translation>
    </message>
    <message>
        <source>Échelle y à la valeur suivante de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>y scale to the next value of the series 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>diminuer l&apos;échelle y</source>
        <translation>decrease y scale</translation>
    </message>
    <message>
        <source>Échelle y à la valeur précédente de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>y scale to the previous value of the series 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>autoscale y</source>
        <translation>autoscale y</translation>
    </message>
    <message>
        <source>Échelle y prise de la plus longue durée à chaque chargement</source>
        <translation>y scale taken from the longest duration at every load</translation>
    </message>
    <message>
        <source>X max</source>
        <translation>X max</translation>
    </message>
    <message>
        <source>Durée au bout de l&apos;axe horizontal de l&apos;histogramme ; les classes vont jusque-là</source>
        <translation>Duration at the end of the horizontal axis of the histogram; the classes go up to it</translation>
    </message>
    <message>
        <source>augmenter X max</source>
        <translation>increase X max</translation>
    </message>
    <message>
        <source>X max à la valeur suivante de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>X max to the next value of the series 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>diminuer X max</source>
        <translation>decrease X max</translation>
    </message>
    <message>
        <source>X max à la valeur précédente de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>X max to the previous value of the series 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>N max</source>
        <translation>N max</translation>
    </message>
    <message>
        <source>Effectif au haut de l&apos;axe vertical de l&apos;histogramme</source>
        <translation>Count at the top of the vertical axis of the histogram</translation>
    </message>
    <message>
        <source>augmenter N max</source>
        <translation>increase N max</translation>
    </message>
    <message>
        <source>N max à la valeur suivante de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>N max to the next value of the series 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>diminuer N max</source>
        <translation>decrease N max</translation>
    </message>
    <message>
        <source>N max à la valeur précédente de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>N max to the previous value of the series 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>largeur de classe dX</source>
        <translation>class width dX</translation>
    </message>
    <message>
        <source>Largeur des classes de l&apos;histogramme, dans l&apos;unité des durées</source>
        <translation>Width of the histogram&apos;s classes, in the unit of the durations</translation>
    </message>
    <message>
        <source>augmenter dX</source>
        <translation>increase dX</translation>
    </message>
    <message>
        <source>dX à la valeur suivante de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>dX to the next value of the series 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>diminuer dX</source>
        <translation>decrease dX</translation>
    </message>
    <message>
        <source>dX à la valeur précédente de la suite 1, 2, 3 … 10, 20 …</source>
        <translation>dX to the previous value of the series 1, 2, 3 … 10, 20 …</translation>
    </message>
    <message>
        <source>autoscale N max</source>
        <translation>autoscale N max</translation>
    </message>
    <message>
        <source>N max pris de la classe la plus remplie à chaque chargement</source>
        <translation>N max taken from the fullest class at every load</translation>
    </message>
    <message>
        <source>lignes du fichier de données</source>
        <translation>lines of the data file</translation>
    </message>
    <message>
        <source>Les lignes du fichier de données, telles qu&apos;il les tient</source>
        <translation>The lines of the data file, as it holds them</translation>
    </message>
    <message>
        <source>Durée totale faite de la moyenne ou du centre de chaque classe</source>
        <translation>Total duration made of the mean or of the centre of each class</translation>
    </message>
    <message>
        <source>commentaire</source>
        <translation>comment</translation>
    </message>
    <message>
        <source>Commentaire gardé à côté du fichier de données ; %1 insère une tabulation</source>
        <translation>Comment kept beside the data file; %1 inserts a tab</translation>
    </message>
    <message>
        <source>enregistrer le commentaire</source>
        <translation>save the comment</translation>
    </message>
    <message>
        <source>Enregistrer le commentaire dans son fichier (%1)</source>
        <translation>Save the comment in its file (%1)</translation>
    </message>
    <message>
        <source>liste des classes</source>
        <translation>list of the classes</translation>
    </message>
    <message>
        <source>L&apos;effectif de chaque classe de l&apos;histogramme</source>
        <translation>The count of each class of the histogram</translation>
    </message>
    <message>
        <source>trace du calcul des classes</source>
        <translation>trace of the class computation</translation>
    </message>
    <message>
        <source>Les étapes du calcul des classes</source>
        <translation>The steps of the class computation</translation>
    </message>
    <message>
        <source>panneau de réglages</source>
        <translation>setup panel</translation>
    </message>
    <message>
        <source>Ouvrir ou fermer le panneau de réglages</source>
        <translation>Open or close the setup panel</translation>
    </message>
    <message>
        <source>à propos</source>
        <translation>about</translation>
    </message>
    <message>
        <source>Ouvrir ou fermer le panneau « à propos » ; %1 ouvre le mode d&apos;emploi</source>
        <translation>Open or close the “about” panel; %1 opens the user&apos;s guide</translation>
    </message>
    <message>
        <source>quitter</source>
        <translation>quit</translation>
    </message>
    <message>
        <source>Quitter vorns (%1)</source>
        <translation>Quit vorns (%1)</translation>
    </message>
    <message>
        <source>analyse du run</source>
        <translation>analysis of the run</translation>
    </message>
    <message>
        <source>Ouvrir la fenêtre d&apos;analyse du run : ajustement de la durée de vie, taux, runs ; %1 la ferme</source>
        <translation>Open the run&apos;s analysis window: lifetime fit, rate, runs; %1 closes it</translation>
    </message>
    <message>
        <source>graphe des enregistrements</source>
        <translation>plot of the records</translation>
    </message>
    <message>
        <source>Chaque enregistrement : sa durée selon le temps écoulé</source>
        <translation>Each record: its duration against the time elapsed</translation>
    </message>
    <message>
        <source>histogramme des classes</source>
        <translation>histogram of the classes</translation>
    </message>
    <message>
        <source>période de rafraîchissement en secondes</source>
        <translation>refresh period in seconds</translation>
    </message>
    <message>
        <source>Temps entre deux relectures du fichier de données, en secondes</source>
        <translation>Time between two readings of the data file, in seconds</translation>
    </message>
    <message>
        <source>Ne relire le fichier que quand sa taille ou sa date a changé</source>
        <translation>Read the file again only when its size or date changed</translation>
    </message>
    <message>
        <source>épaisseur des traits</source>
        <translation>line thickness</translation>
    </message>
    <message>
        <source>Épaisseur des traits des deux graphes, en pixels</source>
        <translation>Thickness of the lines of both plots, in pixels</translation>
    </message>
    <message>
        <source>Choisir la couleur de la fenêtre, gardée pour le prochain démarrage</source>
        <translation>Choose the window&apos;s colour, kept for the next start</translation>
    </message>
    <message>
        <source>Fermer le panneau de réglages (%1)</source>
        <translation>Close the setup panel (%1)</translation>
    </message>
    <message>
        <source>dossier du programme</source>
        <translation>program folder</translation>
    </message>
    <message>
        <source>Fermer le panneau « à propos » (%1)</source>
        <translation>Close the “about” panel (%1)</translation>
    </message>
    <message>
        <source>Le mode d&apos;emploi %1 est introuvable.</source>
        <translation>The user&apos;s guide %1 cannot be found.</translation>
    </message>
    <message>
        <source>Le mode d&apos;emploi %1 n&apos;a pu être ouvert : aucun programme du bureau ne l&apos;affiche.</source>
        <translation>The user&apos;s guide %1 could not be opened: no program of the desktop shows it.</translation>
    </message>
    <message>
        <source>langue</source>
        <translation>language</translation>
    </message>
    <message>
        <source>La langue des textes de vorns, prise au prochain démarrage ; système : celle du bureau</source>
        <translation>The language of vorns&apos; texts, taken at the next start; system: the desktop&apos;s</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>Line 1</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Line 2</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>Line 3</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>Line 4</translation>
    </message>
    <message>
        <source>Target File</source>
        <translation>Target File</translation>
    </message>
    <message>
        <source>number of records</source>
        <translation>number of records</translation>
    </message>
    <message>
        <source>acqisition time [mn]</source>
        <translation>acquisition time [min]</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>sound</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>scale</translation>
    </message>
    <message>
        <source>autoscale</source>
        <translation>autoscale</translation>
    </message>
    <message>
        <source>Largeur de classe</source>
        <translation>Class width</translation>
    </message>
    <message>
        <source>Nb of</source>
        <translation>Nb of</translation>
    </message>
    <message>
        <source>classes</source>
        <translation>classes</translation>
    </message>
    <message>
        <source> Xmax / dX =</source>
        <translation> Xmax / dX =</translation>
    </message>
    <message>
        <source>durée totale</source>
        <translation>total duration</translation>
    </message>
    <message>
        <source>moyenne de chaque classe =</source>
        <translation>mean of each class =</translation>
    </message>
    <message>
        <source>centre de chaque classe     =</source>
        <translation>centre of each class     =</translation>
    </message>
    <message>
        <source>durée totale (moyenne classe) = </source>
        <translation>total duration (class mean) = </translation>
    </message>
    <message>
        <source>durée totale (valeur centrale)  = </source>
        <translation>total duration (central value)  = </translation>
    </message>
    <message>
        <source>évènements =</source>
        <translation>events =</translation>
    </message>
    <message>
        <source>durée moyenne, Tau =</source>
        <translation>mean duration, Tau =</translation>
    </message>
    <message>
        <source>Lambda , 1 / Tau =</source>
        <translation>Lambda , 1 / Tau =</translation>
    </message>
    <message>
        <source>T 1/2 , Tau . ln(2) =</source>
        <translation>T 1/2 , Tau . ln(2) =</translation>
    </message>
    <message>
        <source>Cm, événemets à vie moyenne =</source>
        <translation>Cm, events at the mean lifetime =</translation>
    </message>
    <message>
        <source>10x atomes initiaux, C0 = Cm / e =</source>
        <translation>10x initial atoms, C0 = Cm / e =</translation>
    </message>
    <message>
        <source>Activité initiale = C0 / durée d&apos;acquisition =</source>
        <translation>Initial activity = C0 / acquisition time =</translation>
    </message>
    <message>
        <source>Commentaires</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>about</source>
        <translation>about</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>exit</translation>
    </message>
    <message>
        <source>Last line</source>
        <translation>Last line</translation>
    </message>
    <message>
        <source>ajustement</source>
        <translation>fit</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>refresh period [s]</source>
        <translation>refresh period [s]</translation>
    </message>
    <message>
        <source>test file time / size</source>
        <translation>test file time / size</translation>
    </message>
    <message>
        <source>thickness lines</source>
        <translation>thickness lines</translation>
    </message>
    <message>
        <source>color window</source>
        <translation>color window</translation>
    </message>
    <message>
        <source>système</source>
        <translation>system</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Logiciel de lecture graphique </source>
        <translation>Graphical reading software </translation>
    </message>
    <message>
        <source>associée à un fichier texte</source>
        <translation>tied to a text file</translation>
    </message>
    <message>
        <source>vorns : suivi d&apos;une acquisition de durées de vie</source>
        <translation>vorns: following an acquisition of lifetimes</translation>
    </message>
    <message>
        <source>Mode d&apos;emploi : le fichier README.md du projet</source>
        <translation>User&apos;s guide: the project&apos;s README.md file</translation>
    </message>
    <message>
        <source>Dossier du programme</source>
        <translation>Program folder</translation>
    </message>
    <message>
        <source> =&gt; Logiciels</source>
        <translation> =&gt; Software</translation>
    </message>
    <message>
        <source>Histogramme, Tau, T 1/2, C0 et activité initiale</source>
        <translation>Histogram, Tau, T 1/2, C0 and initial activity</translation>
    </message>
    <message>
        <source>Le commentaire a été modifié et n&apos;est pas enregistré dans le fichier %1. L&apos;enregistrer avant de quitter ?</source>
        <translation>The comment was changed and is not saved in the file %1. Save it before quitting?</translation>
    </message>
    <message>
        <source>acquitter</source>
        <translation>acknowledge</translation>
    </message>
    <message>
        <source>Arrêter le son de l&apos;alarme ; elle reste affichée</source>
        <translation>Stop the alarm&apos;s sound; it stays shown</translation>
    </message>
    <message>
        <source>Le fichier %1 a été modifié ailleurs (une autre fenêtre ?) depuis sa lecture : l&apos;enregistrer remplace ce qui y a été écrit.</source>
        <translation>The file %1 was changed elsewhere (another window?) since it was read: saving replaces what was written there.</translation>
    </message>
    <message>
        <source>Le commentaire n&apos;est enregistré nulle part : aucun fichier de données n&apos;est choisi. Quitter sans l&apos;enregistrer ?</source>
        <translation>The comment is saved nowhere: no data file is chosen. Quit without saving it?</translation>
    </message>
    <message>
        <source>Le commentaire a été modifié et n&apos;est pas enregistré dans le fichier %1. L&apos;enregistrer avant d&apos;ouvrir %2 et son commentaire ?</source>
        <translation>The comment was changed and is not saved in the file %1. Save it before opening %2 and its comment?</translation>
    </message>
    <message>
        <source>Le commentaire n&apos;est enregistré nulle part : aucun fichier de données n&apos;est choisi. Ouvrir %1 et le remplacer par le commentaire de ce fichier ?</source>
        <translation>The comment is saved nowhere: no data file is chosen. Open %1 and replace it with the comment of that file?</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>Aide : man vorns et %1</source>
        <translation>Help: man vorns and %1</translation>
    </message>
    <message>
        <source>man vorns, man vorns-fit, man vorns-acquisition ; %1</source>
        <translation>man vorns, man vorns-fit, man vorns-acquisition; %1</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>Only one data file can be given; got %1.</source>
        <translation>Only one data file can be given; got %1.</translation>
    </message>
    <message>
        <source>The data file name is empty.</source>
        <translation>The data file name is empty.</translation>
    </message>
    <message>
        <source>Usage: vorns [FILE]
Follows the data file of a decay-time experiment while the acquisition
writes it, and shows its histogram and lifetime figures.

  FILE           the data file to load at start, as if chosen with &quot;Target File&quot;
  -h, --help     show this help and exit
  -v, --version  show the version and exit

Qt&apos;s own options (-style NAME, -platform NAME, -reverse, ...) are accepted too.
</source>
        <translation>Usage: vorns [FILE]
Follows the data file of a decay-time experiment while the acquisition
writes it, and shows its histogram and lifetime figures.

  FILE           the data file to load at start, as if chosen with &quot;Target File&quot;
  -h, --help     show this help and exit
  -v, --version  show the version and exit

Qt&apos;s own options (-style NAME, -platform NAME, -reverse, ...) are accepted too.
</translation>
    </message>
    <message>
        <source>Try &apos;vorns --help&apos; for more information.</source>
        <translation>Try &apos;vorns --help&apos; for more information.</translation>
    </message>
    <message>
        <source>Enregistrer %1</source>
        <translation>Save %1</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Cannot write file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>durée</source>
        <translation>duration</translation>
    </message>
    <message>
        <source>événements</source>
        <translation>events</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Quitter sans enregistrer</source>
        <translation>Quit without saving</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cannot play the sound file &quot;%1&quot;.</source>
        <translation>Cannot play the sound file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>largeur des tranches : %1</source>
        <translation>width of the bins: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas au-dessus de 0</source>
        <translation>&apos;%1&apos; is not above 0</translation>
    </message>
    <message>
        <source>vorns: no display found (DISPLAY and WAYLAND_DISPLAY are not set); start vorns from a desktop session or under xvfb-run.
</source>
        <translation>vorns: no display found (DISPLAY and WAYLAND_DISPLAY are not set); start vorns from a desktop session or under xvfb-run.
</translation>
    </message>
</context>
<context>
    <name>charts</name>
    <message>
        <source>unités</source>
        <translation>units</translation>
    </message>
    <message>
        <source>durée (%1)</source>
        <translation>duration (%1)</translation>
    </message>
    <message>
        <source>durée de vie (%1)</source>
        <translation>lifetime (%1)</translation>
    </message>
    <message>
        <source>t min (%1)</source>
        <translation>t min (%1)</translation>
    </message>
    <message>
        <source>événements par classe de %1 %2</source>
        <translation>events per class of %1 %2</translation>
    </message>
    <message>
        <source>résidu / σ</source>
        <translation>residual / σ</translation>
    </message>
    <message>
        <source>enregistrements</source>
        <translation>records</translation>
    </message>
    <message>
        <source>temps depuis le premier événement (h)</source>
        <translation>time since the first event (h)</translation>
    </message>
    <message>
        <source>taux (événements / h)</source>
        <translation>rate (events / h)</translation>
    </message>
    <message>
        <source>muons par minute</source>
        <translation>muons per minute</translation>
    </message>
    <message>
        <source>histogramme (± √n)</source>
        <translation>histogram (± √n)</translation>
    </message>
    <message>
        <source>ajustement</source>
        <translation>fit</translation>
    </message>
    <message>
        <source>fond</source>
        <translation>background</translation>
    </message>
    <message>
        <source>tau ajusté ± σ</source>
        <translation>fitted tau ± σ</translation>
    </message>
    <message>
        <source>Tau de l&apos;histogramme</source>
        <translation>Tau of the histogram</translation>
    </message>
    <message>
        <source>bande ±√(σ² − σ₀²)</source>
        <translation>band ±√(σ² − σ₀²)</translation>
    </message>
    <message>
        <source>2 × bande</source>
        <translation>2 × band</translation>
    </message>
    <message>
        <source>hors de 2 × bande</source>
        <translation>outside 2 × band</translation>
    </message>
    <message>
        <source>fond à 0 : non comparé</source>
        <translation>background at 0: not compared</translation>
    </message>
    <message>
        <source>par tranche (± √n)</source>
        <translation>per bin (± √n)</translation>
    </message>
    <message>
        <source>sur le temps actif</source>
        <translation>over the live time</translation>
    </message>
    <message>
        <source>taux moyen</source>
        <translation>mean rate</translation>
    </message>
    <message>
        <source>muons par minute à travers le détecteur (± √n)</source>
        <translation>muons per minute through the detector (± √n)</translation>
    </message>
</context>
<context>
    <name>class_pass</name>
    <message>
        <source>dX = %1 : la largeur de classe dX doit être supérieure à 0.</source>
        <translation>dX = %1: the class width dX must be above 0.</translation>
    </message>
    <message>
        <source>X max = %1 : valeur hors limites, X max doit rester entre -%2 et %2.</source>
        <translation>X max = %1: value out of range, X max must stay between -%2 and %2.</translation>
    </message>
    <message>
        <source>X max / dX = %1 / %2 : plus de %3 classes. Le nombre de classes X max / dX est limité à %3 : diminuez X max ou augmentez dX.</source>
        <translation>X max / dX = %1 / %2: more than %3 classes. The number of classes X max / dX is limited to %3: lower X max or raise dX.</translation>
    </message>
</context>
<context>
    <name>combine_text</name>
    <message>
        <source>run</source>
        <comment>column</comment>
        <translation>run</translation>
    </message>
    <message>
        <source>événements</source>
        <comment>column</comment>
        <translation>events</translation>
    </message>
    <message>
        <source>durée</source>
        <comment>column</comment>
        <translation>span</translation>
    </message>
    <message>
        <source>temps actif</source>
        <comment>column</comment>
        <translation>live time</translation>
    </message>
    <message>
        <source>taux (/h)</source>
        <comment>column</comment>
        <translation>rate (/h)</translation>
    </message>
    <message>
        <source>τ seul</source>
        <comment>column</comment>
        <translation>τ alone</translation>
    </message>
    <message numerus="yes">
        <source>combinaison de %n runs : %1</source>
        <translation>
            <numerusform>combination of %n run: %1</numerusform>
            <numerusform>combination of %n runs: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>combinaison de %n runs : %1 ; %2 événements dans la fenêtre ; %3</source>
        <translation>
            <numerusform>combination of %n run: %1; %2 events in the window; %3</numerusform>
            <numerusform>combination of %n runs: %1; %2 events in the window; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>runs compatibles</source>
        <translation>runs consistent</translation>
    </message>
    <message>
        <source>le run %1 tire le plus (écart %2 σ)</source>
        <translation>run %1 pulls most (deviation %2 σ)</translation>
    </message>
    <message numerus="yes">
        <source>combinaison de %n runs</source>
        <translation>
            <numerusform>combination of %n run</numerusform>
            <numerusform>combination of %n runs</numerusform>
        </translation>
    </message>
    <message>
        <source>cohérence : %1 (moins de deux runs ajustés seuls)</source>
        <translation>consistency: %1 (fewer than two runs fitted alone)</translation>
    </message>
    <message>
        <source>cohérence : chi2 / ddl = %1 / %2, p = %3, rapport de Birge = %4 ; %5</source>
        <translation>consistency: chi2 / ndf = %1 / %2, p = %3, Birge ratio = %4; %5</translation>
    </message>
    <message>
        <source>%1 (non comptés, sans ajustement seul : %2)</source>
        <comment>the consistency line, then the runs left out</comment>
        <translation>%1 (not counted, without a fit of their own: %2)</translation>
    </message>
</context>
<context>
    <name>comment_file</name>
    <message>
        <source> le commentaire n&apos;a pas pu être enregistré dans le fichier %1
%2</source>
        <translation> the comment could not be saved in the file %1
%2</translation>
    </message>
    <message>
        <source> le commentaire à été enregistré dans le fichier %1</source>
        <translation> the comment was saved in the file %1</translation>
    </message>
</context>
<context>
    <name>data_file</name>
    <message>
        <source>Data files (*.txt, *.dat, *.data)</source>
        <translation>Data files (*.txt, *.dat, *.data)</translation>
    </message>
    <message>
        <source>Text files (*.txt*)</source>
        <translation>Text files (*.txt*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>fit_choices</name>
    <message>
        <source>fenêtre = [%1 ; %2], %3, %4</source>
        <comment>t min, t max, model, method</comment>
        <translation>window = [%1; %2], %3, %4</translation>
    </message>
</context>
<context>
    <name>fit_decisions</name>
    <message>
        <source>%1 : %2</source>
        <comment>a field&apos;s caption, then what is wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 : doit être supérieur à 0</source>
        <translation>%1: must be above 0</translation>
    </message>
    <message>
        <source>matière des μ−</source>
        <translation>material of the μ−</translation>
    </message>
    <message>
        <source>1 unité</source>
        <translation>1 unit</translation>
    </message>
    <message>
        <source>%1 (pas d&apos;ajustement tant que le champ n&apos;est pas corrigé)</source>
        <translation>%1 (no fit until the field is corrected)</translation>
    </message>
</context>
<context>
    <name>fit_text</name>
    <message>
        <source>carbone</source>
        <translation>carbon</translation>
    </message>
    <message>
        <source>oxygène</source>
        <translation>oxygen</translation>
    </message>
    <message>
        <source>t max au-delà des classes affichées : ajusté sur [%1 ; %2]</source>
        <translation>t max beyond the classes shown: fitted on [%1; %2]</translation>
    </message>
    <message>
        <source>durées sur une grille d&apos;horloge : vraisemblance des valeurs de la grille, de pas %1</source>
        <translation>durations on a clock grid: likelihood of the grid&apos;s values, step %1</translation>
    </message>
    <message>
        <source>Tau ajusté =</source>
        <translation>fitted Tau =</translation>
    </message>
    <message>
        <source>fond =</source>
        <translation>background =</translation>
    </message>
    <message>
        <source>événements dans la fenêtre =</source>
        <translation>events in the window =</translation>
    </message>
    <message>
        <source>chi2 / ddl =</source>
        <translation>chi2 / ndf =</translation>
    </message>
    <message>
        <source>Tau de l&apos;histogramme (durée moyenne) =</source>
        <translation>Tau of the histogram (mean duration) =</translation>
    </message>
    <message>
        <source>0 (à la limite)</source>
        <comment>the background</comment>
        <translation>0 (at the limit)</translation>
    </message>
    <message>
        <source>biaisé : τ mesuré dans la matière (μ− capturés)</source>
        <translation>biased: τ measured in matter (μ− captured)</translation>
    </message>
    <message>
        <source>rapport de charge ρ =</source>
        <translation>charge ratio ρ =</translation>
    </message>
    <message>
        <source>valeurs fixées =</source>
        <translation>fixed values =</translation>
    </message>
    <message>
        <source>exponentielle + fond</source>
        <translation>exponential + background</translation>
    </message>
    <message>
        <source>exponentielle seule</source>
        <translation>exponential alone</translation>
    </message>
    <message>
        <source>μ+ libre et μ− capturés</source>
        <translation>free μ+ and captured μ−</translation>
    </message>
    <message>
        <source>rapport de charge</source>
        <translation>charge ratio</translation>
    </message>
    <message>
        <source>histogramme</source>
        <comment>the fit&apos;s method</comment>
        <translation>histogram</translation>
    </message>
    <message>
        <source>non binné</source>
        <comment>the fit&apos;s method</comment>
        <translation>unbinned</translation>
    </message>
</context>
<context>
    <name>formats</name>
    <message>
        <source>heure avant celle de la première ligne du fichier</source>
        <translation>time before that of the file&apos;s first line</translation>
    </message>
    <message>
        <source>date illisible (attendu &apos;Thu_Dec_10_11:49:22_2015&apos;)</source>
        <translation>unreadable date (expected &apos;Thu_Dec_10_11:49:22_2015&apos;)</translation>
    </message>
    <message>
        <source>ligne d&apos;un autre format (attendu « Decay &apos;date&apos; durée »)</source>
        <translation>line of another format (expected “Decay &apos;date&apos; duration”)</translation>
    </message>
    <message>
        <source>durée négative ou non finie : %1</source>
        <translation>negative or infinite duration: %1</translation>
    </message>
    <message>
        <source>pas deux entiers « valeur secondes »</source>
        <translation>not two integers “value seconds”</translation>
    </message>
    <message>
        <source>secondes Unix au-delà de l&apos;an 9999 : %1</source>
        <translation>Unix seconds beyond the year 9999: %1</translation>
    </message>
    <message>
        <source>valeur négative (-%1) : ni une désintégration ni un comptage</source>
        <translation>negative value (-%1): neither a decay nor a count</translation>
    </message>
    <message>
        <source>compteur (mot 1) illisible</source>
        <translation>counter (word 1) unreadable</translation>
    </message>
    <message>
        <source>front (mots 2 à 9) illisible : 2 chiffres hexadécimaux attendus</source>
        <translation>edge (words 2 to 9) unreadable: 2 hexadecimal digits expected</translation>
    </message>
    <message>
        <source>compteur du 1PPS (mot 10) illisible</source>
        <translation>1PPS counter (word 10) unreadable</translation>
    </message>
    <message>
        <source>heure GPS (mot 11) illisible : hhmmss.sss attendu</source>
        <translation>GPS time (word 11) unreadable: hhmmss.sss expected</translation>
    </message>
    <message>
        <source>date GPS (mot 12) illisible : jjmmaa attendu</source>
        <translation>GPS date (word 12) unreadable: ddmmyy expected</translation>
    </message>
    <message>
        <source>état GPS (mot 13) ni A ni V</source>
        <translation>GPS status (word 13) neither A nor V</translation>
    </message>
    <message>
        <source>nombre de satellites (mot 14) illisible</source>
        <translation>number of satellites (word 14) unreadable</translation>
    </message>
    <message>
        <source>drapeaux d&apos;état (mot 15) illisibles</source>
        <translation>status flags (word 15) unreadable</translation>
    </message>
    <message>
        <source>délai GPS (mot 16) illisible</source>
        <translation>GPS delay (word 16) unreadable</translation>
    </message>
    <message>
        <source>date illisible (attendu &apos;2015-12-10 11:49:22.123&apos;)</source>
        <translation>unreadable date (expected &apos;2015-12-10 11:49:22.123&apos;)</translation>
    </message>
    <message>
        <source>ligne d&apos;un autre format (attendu « &apos;date&apos; Decay durée »)</source>
        <translation>line of another format (expected “&apos;date&apos; Decay duration”)</translation>
    </message>
    <message>
        <source>une voie de 0 à 3</source>
        <translation>a channel from 0 to 3</translation>
    </message>
    <message>
        <source>une voie de 0 à 3, ou none</source>
        <translation>a channel from 0 to 3, or none</translation>
    </message>
    <message>
        <source>des ns, 0 ou plus</source>
        <translation>ns, 0 or more</translation>
    </message>
    <message>
        <source>utc ou local</source>
        <translation>utc or local</translation>
    </message>
    <message>
        <source>%1 : clé inconnue</source>
        <translation>%1: unknown key</translation>
    </message>
    <message>
        <source>%1=%2 : attendu %3</source>
        <translation>%1=%2: expected %3</translation>
    </message>
    <message>
        <source>la voie de veto doit différer des deux autres, et min_decay_ns ne pas dépasser max_decay_ns</source>
        <translation>the veto channel must differ from the two others, and min_decay_ns must not exceed max_decay_ns</translation>
    </message>
    <message>
        <source>%1 : %2 n&apos;est pas de la forme clé=valeur</source>
        <translation>%1: %2 is not of the form key=value</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <comment>the file, then what is wrong in it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 : %2 (voies et durées par défaut)</source>
        <translation>%1: %2 (default channels and durations)</translation>
    </message>
    <message>
        <source>ligne d&apos;évènement sans ses 16 mots (coupée ?)</source>
        <translation>event line without its 16 words (cut?)</translation>
    </message>
    <message>
        <source>ni une ligne d&apos;évènement de la carte ni une de ses réponses</source>
        <translation>neither an event line of the card nor one of its answers</translation>
    </message>
</context>
<context>
    <name>load_text</name>
    <message numerus="yes">
        <source>%n lignes</source>
        <translation>
            <numerusform>%n line</numerusform>
            <numerusform>%n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n ignorées)</source>
        <comment>the lines, then how many of them were skipped</comment>
        <translation>
            <numerusform>%1 (%n skipped)</numerusform>
            <numerusform>%1 (%n skipped)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, ligne %2 ignorée : « %3 » n&apos;est pas un enregistrement (%4)</source>
        <translation>%1, line %2 skipped: “%3” is not a record (%4)</translation>
    </message>
    <message numerus="yes">
        <source>%1 : %n lignes ignorées ; la première, ligne %2 : « %3 » n&apos;est pas un enregistrement (%4)</source>
        <translation>
            <numerusform>%1: %n line skipped; the first, line %2: “%3” is not a record (%4)</numerusform>
            <numerusform>%1: %n lines skipped; the first, line %2: “%3” is not a record (%4)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 : %n lignes ignorées ; la dernière, ligne %2 : « %3 » n&apos;est pas un enregistrement (%4)</source>
        <translation>
            <numerusform>%1: %n line skipped; the last, line %2: “%3” is not a record (%4)</numerusform>
            <numerusform>%1: %n lines skipped; the last, line %2: “%3” is not a record (%4)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, cumul = %2</source>
        <comment>the lines, then the total of the durations</comment>
        <translation>%1, total = %2</translation>
    </message>
    <message>
        <source>aucun enregistrement : le fichier est vide</source>
        <translation>no record: the file is empty</translation>
    </message>
    <message>
        <source>aucun enregistrement : aucune désintégration dans le fichier (format %1)</source>
        <translation>no record: no decay in the file (format %1)</translation>
    </message>
    <message>
        <source>aucun enregistrement : la ligne %1 (« SAUVEGARDE ») arrête la lecture avant les données</source>
        <translation>no record: line %1 (“SAUVEGARDE”) stops the reading before the data</translation>
    </message>
    <message>
        <source>aucun enregistrement : la ligne %1, vide, arrête la lecture avant les données</source>
        <translation>no record: line %1, empty, stops the reading before the data</translation>
    </message>
    <message>
        <source>aucun enregistrement : pas de ligne d&apos;en-tête « Heure » après les deux lignes de titre ; vorns lit les fichiers de l&apos;acquisition (en-tête « Heure »), de deux entiers par ligne (« 1620 1574345682 ») et de lignes « Decay » (« Decay &apos;Thu_Dec_10_11:49:22_2015&apos; 2.4375 »)</source>
        <translation>no record: no header line “Heure” after the two title lines; vorns reads the acquisition&apos;s files (header “Heure”), files of two integers a line (“1620 1574345682”) and files of “Decay” lines (“Decay &apos;Thu_Dec_10_11:49:22_2015&apos; 2.4375”)</translation>
    </message>
    <message>
        <source>aucun enregistrement : aucune ligne lisible après l&apos;en-tête « Heure »</source>
        <translation>no record: no readable line after the header “Heure”</translation>
    </message>
    <message>
        <source>aucun enregistrement : pas de ligne de données après l&apos;en-tête « Heure »</source>
        <translation>no record: no data line after the header “Heure”</translation>
    </message>
    <message>
        <source>aucun enregistrement : une seule ligne de données, qui fixe l&apos;origine des temps</source>
        <translation>no record: a single data line, which sets the time origin</translation>
    </message>
    <message>
        <source>format %1</source>
        <translation>format %1</translation>
    </message>
    <message>
        <source>format %1 : 1 unité = %2 ns, %3 s de comptage</source>
        <translation>format %1: 1 unit = %2 ns, %3 s of counting</translation>
    </message>
    <message>
        <source>format %1 : 1 unité = %2 ns</source>
        <translation>format %1: 1 unit = %2 ns</translation>
    </message>
    <message>
        <source>format %1 : 1 unité = %2 ns, début %3 heure locale, %4 s de comptage</source>
        <translation>format %1: 1 unit = %2 ns, start %3 local time, %4 s of counting</translation>
    </message>
    <message>
        <source>format %1 : 1 unité = %2 ns, début %3 heure locale</source>
        <translation>format %1: 1 unit = %2 ns, start %3 local time</translation>
    </message>
    <message>
        <source> le nombre maximum de données est de %1 pour le moment =&gt; source à modifier</source>
        <translation> the maximum number of data is %1 for now =&gt; the source must be changed</translation>
    </message>
    <message>
        <source>aucune durée en deçà de X max = %1 : les chiffres restent ceux du calcul précédent de ce fichier</source>
        <translation>no duration below X max = %1: the figures stay those of this file&apos;s previous calculation</translation>
    </message>
    <message>
        <source>aucune durée en deçà de X max = %1 : pas de chiffres</source>
        <translation>no duration below X max = %1: no figures</translation>
    </message>
    <message>
        <source> (%1 j)</source>
        <comment>days</comment>
        <translation> (%1 d)</translation>
    </message>
    <message>
        <source> (%1 h )</source>
        <comment>hours</comment>
        <translation> (%1 h )</translation>
    </message>
    <message>
        <source>%1 [ classe %2]</source>
        <comment>a count, then its class</comment>
        <translation>%1 [ class %2]</translation>
    </message>
    <message>
        <source>, %1 évènements, horloge %2 MHz</source>
        <comment>a raw stream&apos;s events and clock</comment>
        <translation>, %1 events, clock %2 MHz</translation>
    </message>
    <message>
        <source> (mesurée au 1PPS)</source>
        <comment>the clock</comment>
        <translation> (measured against the 1PPS)</translation>
    </message>
    <message>
        <source> (supposée : aucune seconde GPS pour la mesurer)</source>
        <comment>the clock</comment>
        <translation> (assumed: no GPS second to measure it)</translation>
    </message>
    <message>
        <source>, sans heure GPS : temps comptés depuis le premier évènement</source>
        <translation>, without GPS time: times counted from the first event</translation>
    </message>
    <message>
        <source>, %1 évènements datés avant le premier, laissés de côté</source>
        <translation>, %1 events dated before the first, left aside</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Floating point division by zero</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Invalid floating point operation</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Floating point overflow</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Cannot open file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>write error</translation>
    </message>
    <message>
        <source> ; </source>
        <comment>between the parts of a line, as in &quot;fit converged ; background at the limit&quot;</comment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>rate_text</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 j</source>
        <comment>days</comment>
        <translation>%1 d</translation>
    </message>
    <message>
        <source>%1 j %2 h</source>
        <comment>days and hours</comment>
        <translation>%1 d %2 h</translation>
    </message>
    <message>
        <source>jour %1 %2</source>
        <comment>the day from the run&apos;s first, then the time of day</comment>
        <translation>day %1 %2</translation>
    </message>
    <message>
        <source>taux moyen : %1</source>
        <translation>mean rate: %1</translation>
    </message>
    <message>
        <source>taux moyen : %1 /h</source>
        <translation>mean rate: %1 /h</translation>
    </message>
    <message>
        <source>durée : %1 ; temps actif : %2 (secondes présentes dans le fichier)</source>
        <translation>span: %1; live time: %2 (seconds present in the file)</translation>
    </message>
    <message>
        <source>durée : %1</source>
        <translation>span: %1</translation>
    </message>
    <message>
        <source>durée : %1 ; temps actif : %2 (%3 %)</source>
        <translation>span: %1; live time: %2 (%3 %)</translation>
    </message>
    <message numerus="yes">
        <source>muons à travers le détecteur : %1 /min (%n muons)</source>
        <translation>
            <numerusform>muons through the detector: %1 /min (%n muon)</numerusform>
            <numerusform>muons through the detector: %1 /min (%n muons)</numerusform>
        </translation>
    </message>
    <message>
        <source>aucun trou de plus de %1</source>
        <translation>no gap longer than %1</translation>
    </message>
    <message>
        <source>1 trou de plus de %1</source>
        <translation>1 gap longer than %1</translation>
    </message>
    <message numerus="yes">
        <source>%n trous de plus de %1, %2 en tout</source>
        <translation>
            <numerusform>%n gap longer than %1, %2 in all</numerusform>
            <numerusform>%n gaps longer than %1, %2 in all</numerusform>
        </translation>
    </message>
    <message>
        <source>trou : %1 → %2 (%3)</source>
        <translation>gap: %1 → %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>tranches de %1 (élargies : au plus %2 tranches), %n tranches</source>
        <translation>
            <numerusform>bins of %1 (widened: at most %2 bins), %n bin</numerusform>
            <numerusform>bins of %1 (widened: at most %2 bins), %n bins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tranches de %1 (largeur donnée), %n tranches</source>
        <translation>
            <numerusform>bins of %1 (width given), %n bin</numerusform>
            <numerusform>bins of %1 (width given), %n bins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tranches de %1 (environ %2 événements chacune), %n tranches</source>
        <translation>
            <numerusform>bins of %1 (about %2 events each), %n bin</numerusform>
            <numerusform>bins of %1 (about %2 events each), %n bins</numerusform>
        </translation>
    </message>
    <message>
        <source>trop peu de tranches pour juger la constance du taux</source>
        <translation>too few bins to judge whether the rate is constant</translation>
    </message>
    <message>
        <source>taux stable (chi2 / ddl = %1 / %2, %3)</source>
        <translation>rate steady (chi2 / ndf = %1 / %2, %3)</translation>
    </message>
    <message>
        <source>taux non constant (chi2 / ddl = %1 / %2, %3)</source>
        <translation>rate not constant (chi2 / ndf = %1 / %2, %3)</translation>
    </message>
    <message>
        <source>taux en hausse (chi2 / ddl = %1 / %2, %3)</source>
        <translation>rate rising (chi2 / ndf = %1 / %2, %3)</translation>
    </message>
    <message>
        <source>taux en baisse (chi2 / ddl = %1 / %2, %3)</source>
        <translation>rate falling (chi2 / ndf = %1 / %2, %3)</translation>
    </message>
    <message>
        <source>taux (chi2 / ddl = %1 / %2, %3)</source>
        <translation>rate (chi2 / ndf = %1 / %2, %3)</translation>
    </message>
    <message>
        <source>dérive : %1 /h par heure</source>
        <translation>drift: %1 /h per hour</translation>
    </message>
    <message>
        <source>aucun événement</source>
        <translation>no event</translation>
    </message>
    <message>
        <source>moins de 3 événements : ni taux ni trou</source>
        <translation>fewer than 3 events: neither rate nor gap</translation>
    </message>
    <message>
        <source>tous les événements dans la même seconde : pas de taux</source>
        <translation>all events in the same second: no rate</translation>
    </message>
    <message numerus="yes">
        <source>l&apos;heure recule %n fois d&apos;une ligne à la suivante (de %1 au plus) : les événements sont pris dans l&apos;ordre de leurs heures</source>
        <translation>
            <numerusform>the time of day goes back %n time from one line to the next (by %1 at most): the events are taken in the order of their times</numerusform>
            <numerusform>the time of day goes back %n times from one line to the next (by %1 at most): the events are taken in the order of their times</numerusform>
        </translation>
    </message>
    <message>
        <source>les heures ne portent pas de date : un trou a pu durer des jours entiers de plus</source>
        <translation>the times of day carry no date: a gap may have lasted whole days longer</translation>
    </message>
    <message>
        <source>début</source>
        <comment>column: the bin&apos;s start</comment>
        <translation>start</translation>
    </message>
    <message>
        <source>événements</source>
        <comment>column</comment>
        <translation>events</translation>
    </message>
    <message>
        <source>actif (s)</source>
        <comment>column: the bin&apos;s live time</comment>
        <translation>live (s)</translation>
    </message>
    <message>
        <source>taux (/h)</source>
        <comment>column</comment>
        <translation>rate (/h)</translation>
    </message>
    <message>
        <source>erreur (/h)</source>
        <comment>column</comment>
        <translation>error (/h)</translation>
    </message>
    <message>
        <source>hors test</source>
        <comment>a bin left out of the constancy test</comment>
        <translation>not tested</translation>
    </message>
    <message>
        <source>acquisition arrêtée ? aucun événement depuis %1</source>
        <translation>acquisition stopped? no event for %1</translation>
    </message>
    <message>
        <source>acquisition arrêtée ? aucun événement depuis %1 (le dernier à %2)</source>
        <translation>acquisition stopped? no event for %1 (the last at %2)</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>à fixer</source>
        <translation>to be set</translation>
    </message>
    <message>
        <source>1 unité =</source>
        <translation>1 unit =</translation>
    </message>
    <message>
        <source>précision visée :</source>
        <translation>precision aimed at:</translation>
    </message>
    <message>
        <source>fr_FR</source>
        <extracomment>The language the report is written in: the locale name of this translation&apos;s language.</extracomment>
        <translation>en_US</translation>
    </message>
    <message>
        <source>%1 à %2</source>
        <extracomment>A date and a time of day: &quot;jeudi 10 décembre 2026 à 01:25&quot;.</extracomment>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>Mesure de la durée de vie</source>
        <translation>Measurement of the lifetime</translation>
    </message>
    <message>
        <source>vorns %1 — rapport du %2</source>
        <translation>vorns %1 — report of %2</translation>
    </message>
    <message>
        <source>nom(s) :</source>
        <translation>name(s):</translation>
    </message>
    <message>
        <source>groupe :</source>
        <translation>group:</translation>
    </message>
    <message>
        <source>cours :</source>
        <translation>course:</translation>
    </message>
    <message>
        <source>montage :</source>
        <translation>set-up:</translation>
    </message>
    <message>
        <source>note :</source>
        <translation>note:</translation>
    </message>
    <message>
        <source>données</source>
        <translation>data</translation>
    </message>
    <message>
        <source>run %1 :</source>
        <translation>run %1:</translation>
    </message>
    <message>
        <source>fichier :</source>
        <translation>file:</translation>
    </message>
    <message>
        <source>unités</source>
        <translation>units</translation>
    </message>
    <message>
        <source>résultat</source>
        <translation>result</translation>
    </message>
    <message>
        <source>runs d&apos;unités différentes : non combinés</source>
        <translation>runs of different units: not combined</translation>
    </message>
    <message>
        <source>santé</source>
        <translation>health</translation>
    </message>
    <message>
        <source>détails du run : %1</source>
        <translation>details of the run: %1</translation>
    </message>
    <message>
        <source>run %1 sur %2 : %3</source>
        <translation>run %1 of %2: %3</translation>
    </message>
    <message>
        <source>enregistrements : %1 ; lignes ignorées : %2</source>
        <translation>records: %1; lines skipped: %2</translation>
    </message>
    <message>
        <source>lignes de titre :</source>
        <translation>title lines:</translation>
    </message>
    <message>
        <source>commentaire : (aucun)</source>
        <translation>comment: (none)</translation>
    </message>
    <message>
        <source>commentaire :</source>
        <translation>comment:</translation>
    </message>
    <message>
        <source>fichier</source>
        <translation>file</translation>
    </message>
    <message>
        <source>chiffres de la fenêtre principale</source>
        <translation>figures of the main window</translation>
    </message>
    <message>
        <source>événements dans les classes =</source>
        <translation>events in the classes =</translation>
    </message>
    <message>
        <source>durée totale (moyennes des classes) =</source>
        <translation>total duration (class means) =</translation>
    </message>
    <message>
        <source>durée totale (centres des classes) =</source>
        <translation>total duration (class centres) =</translation>
    </message>
    <message>
        <source>durée moyenne, Tau =</source>
        <translation>mean duration, Tau =</translation>
    </message>
    <message>
        <source>Lambda = 1 / Tau =</source>
        <translation>Lambda = 1 / Tau =</translation>
    </message>
    <message>
        <source>T 1/2 = Tau . ln(2) =</source>
        <translation>T 1/2 = Tau . ln(2) =</translation>
    </message>
    <message>
        <source>Cm =</source>
        <translation>Cm =</translation>
    </message>
    <message>
        <source>C0 = Cm / e =</source>
        <translation>C0 = Cm / e =</translation>
    </message>
    <message>
        <source>activité initiale =</source>
        <translation>initial activity =</translation>
    </message>
    <message>
        <source>ajustement du run seul</source>
        <translation>fit of the run alone</translation>
    </message>
    <message>
        <source>stabilité de Tau</source>
        <translation>stability of Tau</translation>
    </message>
    <message>
        <source>santé du run</source>
        <translation>health of the run</translation>
    </message>
    <message>
        <source>pour refaire cet ajustement</source>
        <translation>to make this fit again</translation>
    </message>
    <message numerus="yes">
        <source>%n enregistrements ; %1</source>
        <translation>
            <numerusform>%n record; %1</numerusform>
            <numerusform>%n records; %1</numerusform>
        </translation>
    </message>
    <message>
        <source>SHA-256 : %1</source>
        <translation>SHA-256: %1</translation>
    </message>
    <message>
        <source>premier enregistrement : %1</source>
        <translation>first record: %1</translation>
    </message>
    <message>
        <source>dernier enregistrement : %1</source>
        <translation>last record: %1</translation>
    </message>
    <message>
        <source>Figure %1 — histogramme des durées de tous les runs ensemble (points, ± √n), leur ajustement commun (rouge) et son fond plat (tirets bleus) ; dessous, les résidus normalisés (observé − attendu) / √attendu.</source>
        <translation>Figure %1 — histogram of the durations of all the runs together (points, ± √n), their common fit (red) and its flat background (blue dashes); below, the normalised residuals (observed − expected) / √expected.</translation>
    </message>
    <message>
        <source>Figure %1 — histogramme des durées de %2 (points, ± √n), l&apos;ajustement (rouge) et son fond plat (tirets bleus) ; dessous, les résidus normalisés (observé − attendu) / √attendu.</source>
        <translation>Figure %1 — histogram of the durations of %2 (points, ± √n), the fit (red) and its flat background (blue dashes); below, the normalised residuals (observed − expected) / √expected.</translation>
    </message>
    <message>
        <source>Figure %1 — convergence : Tau ajusté ± σ (rouge) à mesure que le run grandit, et le Tau de l&apos;histogramme (bleu).</source>
        <translation>Figure %1 — convergence: fitted Tau ± σ (red) as the run grows, and the Tau of the histogram (blue).</translation>
    </message>
    <message>
        <source>Figure %1 — stabilité : Tau ajusté quand t min monte, la bande de variation attendue autour du premier ajustement et deux fois la bande (tirets) ; en rouge, les points hors de deux fois la bande.</source>
        <translation>Figure %1 — stability: fitted Tau as t min rises, the band of expected variation around the first fit and twice the band (dashes); in red, the points outside twice the band.</translation>
    </message>
    <message>
        <source>Figure %1 — événements par heure dans des tranches de %2 (points noirs, ± √n), sur le temps actif de chaque tranche (cercles verts), et taux moyen (tirets rouges).</source>
        <translation>Figure %1 — events per hour in bins of %2 (black points, ± √n), over the live time of each bin (green circles), and the mean rate (red dashes).</translation>
    </message>
</context>
<context>
    <name>run_exclusions</name>
    <message>
        <source>&apos;%1&apos; is no time of day hh:mm:ss (with a day: +1/hh:mm:ss)</source>
        <translation>&apos;%1&apos; is no time of day hh:mm:ss (with a day: +1/hh:mm:ss)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no time of day</source>
        <translation>&apos;%1&apos; is no time of day</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no span START-END</source>
        <translation>&apos;%1&apos; is no span START-END</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the span ends before it starts</source>
        <translation>&apos;%1&apos;: the span ends before it starts</translation>
    </message>
    <message numerus="yes">
        <source>exclu : %1 (%n enregistrements)</source>
        <translation>
            <numerusform>left out: %1 (%n record)</numerusform>
            <numerusform>left out: %1 (%n records)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Cannot write file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source> max_parametre = %1
 augmenter ce nombre dans le source...</source>
        <translation> max_parametre = %1
 raise this number in the source...</translation>
    </message>
</context>
<context>
    <name>share</name>
    <message>
        <source>fr</source>
        <translation>en</translation>
    </message>
    <message>
        <source>vorns — %1</source>
        <translation>vorns — %1</translation>
    </message>
    <message>
        <source>vorns ne répond plus : les chiffres ci-dessous sont ceux du dernier rechargement reçu.</source>
        <translation>vorns no longer answers: the figures below are those of the last reload received.</translation>
    </message>
    <message>
        <source>dernier rechargement</source>
        <translation>last reload</translation>
    </message>
    <message>
        <source>enregistrements</source>
        <translation>records</translation>
    </message>
    <message>
        <source>modèle</source>
        <translation>model</translation>
    </message>
    <message>
        <source>ajustement</source>
        <translation>fit</translation>
    </message>
    <message>
        <source>prévision</source>
        <translation>forecast</translation>
    </message>
    <message>
        <source>taux</source>
        <translation>rate</translation>
    </message>
    <message>
        <source>temps actif</source>
        <translation>live time</translation>
    </message>
    <message>
        <source>histogramme des durées avec l&apos;ajustement</source>
        <translation>histogram of the durations with the fit</translation>
    </message>
    <message>
        <source>taux du run</source>
        <translation>the run&apos;s rate</translation>
    </message>
    <message>
        <source>Page en lecture seule, mise à jour à chaque période de rafraîchissement.</source>
        <translation>Read-only page, updated at every refresh period.</translation>
    </message>
    <message>
        <source>histogramme</source>
        <translation>histogram</translation>
    </message>
</context>
<context>
    <name>stability_text</name>
    <message>
        <source>≈ %1 min</source>
        <translation>≈ %1 min</translation>
    </message>
    <message>
        <source>≈ %1 h</source>
        <translation>≈ %1 h</translation>
    </message>
    <message>
        <source>≈ %1 j</source>
        <comment>days</comment>
        <translation>≈ %1 d</translation>
    </message>
    <message>
        <source>Tau hors de la bande de stabilité à t min = %1 (%2 fois la variation attendue) : temps mort ou artefact aux temps courts ?</source>
        <translation>Tau outside the stability band at t min = %1 (%2 times the expected variation): dead time or an artefact at short times?</translation>
    </message>
    <message>
        <source>pas de balayage de t min sans ajustement convergé de la fenêtre</source>
        <translation>no scan of t min without a converged fit of the window</translation>
    </message>
    <message>
        <source>Tau non jugé quand t min monte de %1 à %2 : aucun point comparé au premier ajustement avec un Tau connu à %3 près</source>
        <translation>Tau not judged as t min rises from %1 to %2: no point compared with the first fit has a Tau known to within %3</translation>
    </message>
    <message>
        <source>Tau stable quand t min monte de %1 à %2 : écart au premier ajustement jusqu&apos;à %3 fois sa variation attendue (alerte au-delà de %4 fois pour les Tau connus à %5 près)</source>
        <translation>Tau stable as t min rises from %1 to %2: deviation from the first fit up to %3 times its expected variation (alert beyond %4 times for the Tau known to within %5)</translation>
    </message>
    <message>
        <source>stabilité : Tau quand t min monte, bande = ±√(σ² − σ₀²) autour du premier ajustement, σ pris au Tau du premier</source>
        <translation>stability: Tau as t min rises, band = ±√(σ² − σ₀²) around the first fit, σ taken at the first one&apos;s Tau</translation>
    </message>
    <message>
        <source>événements</source>
        <comment>column</comment>
        <translation>events</translation>
    </message>
    <message>
        <source>bande</source>
        <comment>column: the band of chance</comment>
        <translation>band</translation>
    </message>
    <message>
        <source>écart / bande</source>
        <comment>column</comment>
        <translation>dev. / band</translation>
    </message>
    <message>
        <source>hors bande</source>
        <translation>outside the band</translation>
    </message>
    <message>
        <source>fond à la limite 0 : non comparé</source>
        <translation>background at the limit 0: not compared</translation>
    </message>
    <message>
        <source>%1 sur Tau : pas de prévision sans ajustement convergé</source>
        <translation>%1 on Tau: no forecast without a converged fit</translation>
    </message>
    <message>
        <source>%1 sur Tau : pas de prévision, ce modèle n&apos;ajuste pas Tau</source>
        <translation>%1 on Tau: no forecast, this model does not fit Tau</translation>
    </message>
    <message>
        <source>%1 sur Tau : pas de prévision sans précision visée au-dessus de 0</source>
        <translation>%1 on Tau: no forecast without a precision aimed at above 0</translation>
    </message>
    <message>
        <source>%1 sur Tau atteint (%2 maintenant)</source>
        <translation>%1 on Tau reached (%2 now)</translation>
    </message>
    <message>
        <source>%1 sur Tau : pas de prévision, taux inconnu (moins de 3 enregistrements ou tous dans la même seconde)</source>
        <translation>%1 on Tau: no forecast, rate unknown (fewer than 3 records, or all in the same second)</translation>
    </message>
    <message>
        <source>%1 sur Tau hors de portée (à %2 événements / jour)</source>
        <translation>%1 on Tau out of reach (at %2 events / day)</translation>
    </message>
    <message>
        <source>%1 sur Tau dans %2 (à %3 événements / jour)</source>
        <translation>%1 on Tau in %2 (at %3 events / day)</translation>
    </message>
</context>
<context>
    <name>status_text</name>
    <message>
        <source>convergé</source>
        <translation>converged</translation>
    </message>
    <message>
        <source>fenêtre refusée : t min doit être positif ou nul et inférieur à t max, deux nombres finis</source>
        <translation>window refused: t min must be zero or positive and below t max, both finite numbers</translation>
    </message>
    <message>
        <source>classes refusées : dX doit être supérieur à 0 et le nombre de classes raisonnable</source>
        <translation>classes refused: dX must be above 0 and the number of classes reasonable</translation>
    </message>
    <message>
        <source>aucun événement dans la fenêtre</source>
        <translation>no event in the window</translation>
    </message>
    <message>
        <source>moins de %1 événements dans la fenêtre</source>
        <translation>fewer than %1 events in the window</translation>
    </message>
    <message>
        <source>moins de %1 classes dans la fenêtre</source>
        <translation>fewer than %1 classes in the window</translation>
    </message>
    <message>
        <source>toutes les durées de la fenêtre sont égales</source>
        <translation>all durations in the window are equal</translation>
    </message>
    <message>
        <source>pas de signal de décroissance</source>
        <translation>no decay signal</translation>
    </message>
    <message>
        <source>durée de vie au-delà de la fenêtre (plus de %1 fois sa largeur)</source>
        <translation>lifetime beyond the window (more than %1 times its width)</translation>
    </message>
    <message>
        <source>durée de vie trop courte pour être mesurée dans cette fenêtre</source>
        <translation>lifetime too short to be measured in this window</translation>
    </message>
    <message>
        <source>l&apos;ajustement n&apos;a pas convergé</source>
        <translation>the fit did not converge</translation>
    </message>
    <message>
        <source>unité non fixée : ce modèle demande la durée d&apos;une unité en ns (1 unité = … ns)</source>
        <translation>unit not set: this model needs the length of one unit in ns (1 unit = … ns)</translation>
    </message>
    <message>
        <source>modèle refusé : il s&apos;ajuste sur les durées (non binné), avec une durée de vie des μ− et un rapport de charge supérieurs à 0</source>
        <translation>model refused: it is fitted to the durations (unbinned), with a lifetime of the μ− and a charge ratio above 0</translation>
    </message>
    <message>
        <source>durées sur une grille d&apos;horloge : vraisemblance des valeurs de la grille, de pas</source>
        <translation>durations on a clock grid: likelihood of the grid&apos;s values, step</translation>
    </message>
    <message>
        <source>fond à la limite 0 : tau ajusté sans fond</source>
        <translation>background at the limit 0: tau fitted without background</translation>
    </message>
    <message>
        <source>signal compatible avec zéro</source>
        <translation>signal consistent with zero</translation>
    </message>
    <message>
        <source>erreur sur tau supérieure à tau / 2</source>
        <translation>error on tau above tau / 2</translation>
    </message>
    <message>
        <source>des durées négatives comptent dans la classe 0</source>
        <translation>negative durations count in class 0</translation>
    </message>
    <message>
        <source>convergé avec une tolérance relâchée</source>
        <translation>converged with a loosened tolerance</translation>
    </message>
    <message>
        <source>t max au-delà des classes affichées : ajusté sur</source>
        <translation>t max beyond the classes shown: fitted on</translation>
    </message>
    <message>
        <source>valeurs de la grille à moins d&apos;un pas de 0 laissées de côté</source>
        <translation>grid values less than one step from 0 left out</translation>
    </message>
    <message>
        <source>rapport de charge à la limite : aucun signe de l&apos;une des deux charges</source>
        <translation>charge ratio at the limit: no sign of one of the two charges</translation>
    </message>
    <message>
        <source>pas de classes pour le chi2</source>
        <translation>no classes for the chi2</translation>
    </message>
    <message>
        <source>pas assez de classes pour le chi2</source>
        <translation>too few classes for the chi2</translation>
    </message>
    <message>
        <source>p-valeur sans signification : trop de classes à moins de %1 événements attendus</source>
        <translation>p-value meaningless: too many classes with fewer than %1 expected events</translation>
    </message>
</context>
<context>
    <name>vorns_fit</name>
    <message>
        <source>--exclude: &apos;%1&apos; is none of the files given</source>
        <translation>--exclude: &apos;%1&apos; is none of the files given</translation>
    </message>
    <message>
        <source>%1: the same run as %2 (the same file): give each run once</source>
        <translation>%1: the same run as %2 (the same file): give each run once</translation>
    </message>
    <message>
        <source>%1: the same run as %2 (the same bytes): give each run once</source>
        <translation>%1: the same run as %2 (the same bytes): give each run once</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no unit</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>%1: its format gives %2 a unit, the files before it %3: the runs are not combined in different units; give --unit-ns, the nanoseconds in one unit of every file</source>
        <translation>%1: its format gives %2 a unit, the files before it %3: the runs are not combined in different units; give --unit-ns, the nanoseconds in one unit of every file</translation>
    </message>
    <message>
        <source>Try &apos;vorns-fit --help&apos;.</source>
        <translation>Try &apos;vorns-fit --help&apos;.</translation>
    </message>
    <message>
        <source>vorns-fit: --report is written by vorns-fit-report</source>
        <translation>vorns-fit: --report is written by vorns-fit-report</translation>
    </message>
    <message numerus="yes">
        <source>%n enregistrements</source>
        <translation>
            <numerusform>%n record</numerusform>
            <numerusform>%n records</numerusform>
        </translation>
    </message>
    <message>
        <source>vorns-fit: --follow cannot watch its signals</source>
        <translation>vorns-fit: --follow cannot watch its signals</translation>
    </message>
    <message>
        <source>%1: a duration cannot be negative</source>
        <translation>%1: a duration cannot be negative</translation>
    </message>
    <message>
        <source>%1: must be above 0</source>
        <translation>%1: must be above 0</translation>
    </message>
    <message>
        <source>--model: &apos;%1&apos; is none of exp+flat, exp, mu-capture and charge-ratio</source>
        <translation>--model: &apos;%1&apos; is none of exp+flat, exp, mu-capture and charge-ratio</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is none of the known materials, carbon and oxygen, nor the negative muons&apos; lifetime in ns</source>
        <translation>%1: &apos;%2&apos; is none of the known materials, carbon and oxygen, nor the negative muons&apos; lifetime in ns</translation>
    </message>
    <message>
        <source>--model %1 needs --unit-ns, the nanoseconds in one unit of the durations</source>
        <translation>--model %1 needs --unit-ns, the nanoseconds in one unit of the durations</translation>
    </message>
    <message>
        <source>%1: a value is missing</source>
        <translation>%1: a value is missing</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no FILE@START-END</source>
        <translation>%1: &apos;%2&apos; is no FILE@START-END</translation>
    </message>
    <message>
        <source>%1: the file name is empty</source>
        <translation>%1: the file name is empty</translation>
    </message>
    <message>
        <source>%1: must be below 100</source>
        <translation>%1: must be below 100</translation>
    </message>
    <message>
        <source>%1: must be 0 or more</source>
        <translation>%1: must be 0 or more</translation>
    </message>
    <message>
        <source>--method: &apos;%1&apos; is neither unbinned nor binned</source>
        <translation>--method: &apos;%1&apos; is neither unbinned nor binned</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--model %1 is fitted by the unbinned --method only</source>
        <translation>--model %1 is fitted by the unbinned --method only</translation>
    </message>
    <message>
        <source>%1 is taken with --report</source>
        <translation>%1 is taken with --report</translation>
    </message>
    <message>
        <source>--exclude is taken with --combine (one file: FILE --combine)</source>
        <translation>--exclude is taken with --combine (one file: FILE --combine)</translation>
    </message>
    <message>
        <source>--follow follows one file</source>
        <translation>--follow follows one file</translation>
    </message>
    <message>
        <source>--follow is taken without --combine and --report</source>
        <translation>--follow is taken without --combine and --report</translation>
    </message>
    <message>
        <source>no data file given</source>
        <translation>no data file given</translation>
    </message>
    <message>
        <source>%1 %2 (chosen for the file)</source>
        <translation>%1 %2 (chosen for the file)</translation>
    </message>
    <message>
        <source>%1 is not below %2: the window is refused</source>
        <translation>%1 is not below %2: the window is refused</translation>
    </message>
    <message>
        <source>vorns-fit: cannot write the report &quot;%1&quot;: %2</source>
        <translation>vorns-fit: cannot write the report &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>vorns-fit: the run report cannot be written: vorns-fit cannot find its own folder (%1)</source>
        <translation>vorns-fit: the run report cannot be written: vorns-fit cannot find its own folder (%1)</translation>
    </message>
    <message>
        <source>vorns-fit: the run report cannot be written: %1 cannot be started (%2)</source>
        <translation>vorns-fit: the run report cannot be written: %1 cannot be started (%2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no KEY=VALUE</source>
        <translation>&apos;%1&apos; is no KEY=VALUE</translation>
    </message>
    <message>
        <source>Usage: vorns-fit FILE... [OPTION]...
Fits the lifetime of the records of each data file, read as vorns reads it,
and prints the results the fit window shows.

  --tmin T          lower end of the fit&apos;s window (default: dX; for a file
                    whose unit is known, 100 ns or its shortest duration,
                    rounded up to a whole number of classes)
  --tmax T          upper end of the fit&apos;s window (default: X max; for a file
                    whose unit is known, the gate&apos;s end: its longest duration
                    rounded up to two significant digits, 20 us without one)
  --model M         exp+flat (exponential plus flat background, default), exp,
                    mu-capture (the free muon&apos;s lifetime, tau+, beside the
                    negative muons captured in matter) or charge-ratio (N+/N-
                    with both lifetimes fixed); these two need a unit (--unit-ns
                    or the file&apos;s format) and the unbinned method
  --material M      the negative muons&apos; material: carbon (2026.3 ns, default),
                    oxygen (1795.4 ns) or their lifetime in ns
  --rho R           the charge ratio N+/N- mu-capture takes (default 1.27)
  --method M        unbinned (default) or binned (the histogram&apos;s classes)
  --dx W            class width dX (default 10; for a file whose unit is known,
                    a 200th of X max or more: 1, 2 or 5 x 10^k ns, a whole
                    number of steps of the durations&apos; clock)
  --xmax X          X max: the histogram shows X max / dX classes (default 800;
                    for a file whose unit is known, the gate&apos;s end)
  --skip-classes K  leave the first K classes out of the binned fit (default 0)
  --unit-ns U       nanoseconds in one unit of the durations (default: the
                    unit the file&apos;s format gives, 1 for two-integers, 1000
                    for decay-lines; else none, no time line)
  --precision P     the relative precision on tau of the forecast, in %,
                    above 0 and below 100 (default 1)
  --scan            the stability of tau: the fit made again with t min stepped
                    up over about two lifetimes, as a table (with --json, the key
                    stability)
  --json            one JSON object a file: status, events, tau, tau_error,
                    tau_lower, tau_upper, background_fraction,
                    background_fraction_error, correlation, tau_free, tau_minus,
                    rho, rho_error, rho_lower, rho_upper, chi2, ndf, p_value,
                    lattice_step, method, model, tmin, tmax, gf, gf_error,
                    forecast_hours (null when not a number), warnings (a list
                    of names); the run&apos;s rate: span_s, live_time_s,
                    rate_per_hour, rate_per_hour_error, gaps (a list of
                    start_s, end_s, length_s from the first record),
                    rate_p_value, drift_per_hour, drift_per_hour_error
  --rate            also the run&apos;s rate as text: mean rate, live time, gaps,
                    constancy, drift, and the table of its bins
  --combine         the runs of all the files fitted together (one likelihood,
                    the sum of theirs): a table of the runs (events in the
                    window, span, live time, rate, tau of the run alone), the
                    combined fit and the runs&apos; consistency (chi2, ndf,
                    p-value, Birge ratio); with --json one object with the
                    keys runs and consistency
  --exclude FILE@START-END
                    leave out of the fit and of the live time the records of
                    FILE whose time of day lies from START to END (hh:mm:ss,
                    with a day after the time origin&apos;s: +1/hh:mm:ss); may be
                    given more than once; with --combine only
  --report OUT.pdf  also write the run report to OUT.pdf (A4, or Letter in a
                    locale that uses it): the files with their SHA-256, the
                    figures, the fit, the stability, the rate, the runs&apos;
                    consistency with --combine, the plots and the command
                    line that gives the same fit
  --follow          follow the one FILE as it grows, as vorns&apos;s window does:
                    at every refresh period it is read again when it changed,
                    and one line a reload is printed (with --json one object a
                    line, with the key alarm); a run that stopped bringing
                    records is said on stderr and by a desktop notification
                    where one is reachable; ends on SIGINT or SIGTERM
  --period S        the refresh period of --follow in seconds (default 5)
  --serve PORT      with --follow, also serve the run as a read-only page at
                    http://ADDRESS:PORT/run/TOKEN/ (PORT 0: a free port), its
                    whole address said on stderr on a line of its own; TOKEN
                    is a new 128-bit secret at each start
  --serve-address A the address the page listens on (default 127.0.0.1, this
                    computer only; 0.0.0.0: every network of this computer)
  --keep-token      keep the page&apos;s address (token, port, network) from one
                    start to the next, in the settings folder
  --names TEXT, --group TEXT, --course TEXT, --setup TEXT, --note TEXT
                    with --report: who made the measurement, their group,
                    the course, the set-up and a free note, on the report&apos;s
                    first page (one left out or empty is not shown)
  --daq KEY=VALUE   a choice of the settings file qrt_vorn.daq, over the file&apos;s:
                    single_channel, double_channel (0 to 3), veto_channel (0 to 3
                    or none) and min_decay_ns, max_decay_ns for a DAQ card&apos;s raw
                    stream; dated_decay_lines (local or utc); may be given more
                    than once
  --details         with --json, also the file, the compared classes, the range
                    fitted and the durations (for the validation scripts)
  -h, --help        show this help and exit
      --version     show the version and exit

Numbers are read with &apos;.&apos; or &apos;,&apos; as the decimal mark. A duration (--tmin, --tmax)
cannot be negative; --dx, --xmax, --unit-ns, --material and --rho must be above
0. The values given are in the unit of the file&apos;s durations. Exit status: 0,
1 when a file cannot be read, holds no record or a line that is not a record,
2 on a bad option (mu-capture or charge-ratio without a unit, a window whose
t min is not below its t max, runs of --combine in different or unknown
units, the same file twice).
</source>
        <translation>Usage: vorns-fit FILE... [OPTION]...
Fits the lifetime of the records of each data file, read as vorns reads it,
and prints the results the fit window shows.

  --tmin T          lower end of the fit&apos;s window (default: dX; for a file
                    whose unit is known, 100 ns or its shortest duration,
                    rounded up to a whole number of classes)
  --tmax T          upper end of the fit&apos;s window (default: X max; for a file
                    whose unit is known, the gate&apos;s end: its longest duration
                    rounded up to two significant digits, 20 us without one)
  --model M         exp+flat (exponential plus flat background, default), exp,
                    mu-capture (the free muon&apos;s lifetime, tau+, beside the
                    negative muons captured in matter) or charge-ratio (N+/N-
                    with both lifetimes fixed); these two need a unit (--unit-ns
                    or the file&apos;s format) and the unbinned method
  --material M      the negative muons&apos; material: carbon (2026.3 ns, default),
                    oxygen (1795.4 ns) or their lifetime in ns
  --rho R           the charge ratio N+/N- mu-capture takes (default 1.27)
  --method M        unbinned (default) or binned (the histogram&apos;s classes)
  --dx W            class width dX (default 10; for a file whose unit is known,
                    a 200th of X max or more: 1, 2 or 5 x 10^k ns, a whole
                    number of steps of the durations&apos; clock)
  --xmax X          X max: the histogram shows X max / dX classes (default 800;
                    for a file whose unit is known, the gate&apos;s end)
  --skip-classes K  leave the first K classes out of the binned fit (default 0)
  --unit-ns U       nanoseconds in one unit of the durations (default: the
                    unit the file&apos;s format gives, 1 for two-integers, 1000
                    for decay-lines; else none, no time line)
  --precision P     the relative precision on tau of the forecast, in %,
                    above 0 and below 100 (default 1)
  --scan            the stability of tau: the fit made again with t min stepped
                    up over about two lifetimes, as a table (with --json, the key
                    stability)
  --json            one JSON object a file: status, events, tau, tau_error,
                    tau_lower, tau_upper, background_fraction,
                    background_fraction_error, correlation, tau_free, tau_minus,
                    rho, rho_error, rho_lower, rho_upper, chi2, ndf, p_value,
                    lattice_step, method, model, tmin, tmax, gf, gf_error,
                    forecast_hours (null when not a number), warnings (a list
                    of names); the run&apos;s rate: span_s, live_time_s,
                    rate_per_hour, rate_per_hour_error, gaps (a list of
                    start_s, end_s, length_s from the first record),
                    rate_p_value, drift_per_hour, drift_per_hour_error
  --rate            also the run&apos;s rate as text: mean rate, live time, gaps,
                    constancy, drift, and the table of its bins
  --combine         the runs of all the files fitted together (one likelihood,
                    the sum of theirs): a table of the runs (events in the
                    window, span, live time, rate, tau of the run alone), the
                    combined fit and the runs&apos; consistency (chi2, ndf,
                    p-value, Birge ratio); with --json one object with the
                    keys runs and consistency
  --exclude FILE@START-END
                    leave out of the fit and of the live time the records of
                    FILE whose time of day lies from START to END (hh:mm:ss,
                    with a day after the time origin&apos;s: +1/hh:mm:ss); may be
                    given more than once; with --combine only
  --report OUT.pdf  also write the run report to OUT.pdf (A4, or Letter in a
                    locale that uses it): the files with their SHA-256, the
                    figures, the fit, the stability, the rate, the runs&apos;
                    consistency with --combine, the plots and the command
                    line that gives the same fit
  --follow          follow the one FILE as it grows, as vorns&apos;s window does:
                    at every refresh period it is read again when it changed,
                    and one line a reload is printed (with --json one object a
                    line, with the key alarm); a run that stopped bringing
                    records is said on stderr and by a desktop notification
                    where one is reachable; ends on SIGINT or SIGTERM
  --period S        the refresh period of --follow in seconds (default 5)
  --serve PORT      with --follow, also serve the run as a read-only page at
                    http://ADDRESS:PORT/run/TOKEN/ (PORT 0: a free port), its
                    whole address said on stderr on a line of its own; TOKEN
                    is a new 128-bit secret at each start
  --serve-address A the address the page listens on (default 127.0.0.1, this
                    computer only; 0.0.0.0: every network of this computer)
  --keep-token      keep the page&apos;s address (token, port, network) from one
                    start to the next, in the settings folder
  --names TEXT, --group TEXT, --course TEXT, --setup TEXT, --note TEXT
                    with --report: who made the measurement, their group,
                    the course, the set-up and a free note, on the report&apos;s
                    first page (one left out or empty is not shown)
  --daq KEY=VALUE   a choice of the settings file qrt_vorn.daq, over the file&apos;s:
                    single_channel, double_channel (0 to 3), veto_channel (0 to 3
                    or none) and min_decay_ns, max_decay_ns for a DAQ card&apos;s raw
                    stream; dated_decay_lines (local or utc); may be given more
                    than once
  --details         with --json, also the file, the compared classes, the range
                    fitted and the durations (for the validation scripts)
  -h, --help        show this help and exit
      --version     show the version and exit

Numbers are read with &apos;.&apos; or &apos;,&apos; as the decimal mark. A duration (--tmin, --tmax)
cannot be negative; --dx, --xmax, --unit-ns, --material and --rho must be above
0. The values given are in the unit of the file&apos;s durations. Exit status: 0,
1 when a file cannot be read, holds no record or a line that is not a record,
2 on a bad option (mu-capture or charge-ratio without a unit, a window whose
t min is not below its t max, runs of --combine in different or unknown
units, the same file twice).
</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no port (0 to 65535)</source>
        <translation>%1: &apos;%2&apos; is no port (0 to 65535)</translation>
    </message>
    <message>
        <source>--serve is taken with --follow</source>
        <translation>--serve is taken with --follow</translation>
    </message>
    <message>
        <source>%1 is taken with --serve</source>
        <translation>%1 is taken with --serve</translation>
    </message>
</context>
<context>
    <name>window_runs</name>
    <message numerus="yes">
        <source>%n lignes ignorées</source>
        <translation>
            <numerusform>%n line skipped</numerusform>
            <numerusform>%n lines skipped</numerusform>
        </translation>
    </message>
    <message>
        <source>sans unité</source>
        <translation>no unit</translation>
    </message>
    <message>
        <source>non lu</source>
        <comment>a run</comment>
        <translation>not read</translation>
    </message>
    <message>
        <source>même run que %1</source>
        <translation>same run as %1</translation>
    </message>
    <message>
        <source>%1 (%2, le run suivi %3)</source>
        <comment>a run, its unit, the followed run&apos;s unit</comment>
        <translation>%1 (%2, the followed run %3)</translation>
    </message>
    <message>
        <source>autre unité</source>
        <translation>other unit</translation>
    </message>
    <message>
        <source>unité inconnue</source>
        <translation>unit unknown</translation>
    </message>
    <message numerus="yes">
        <source>runs non lus : %1</source>
        <translation>
            <numerusform>run not read: %1</numerusform>
            <numerusform>runs not read: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>autre unité, non combinés : %1</source>
        <translation>
            <numerusform>other unit, not combined: %1</numerusform>
            <numerusform>other unit, not combined: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>même run, non combinés : %1</source>
        <translation>
            <numerusform>same run, not combined: %1</numerusform>
            <numerusform>same run, not combined: %1</numerusform>
        </translation>
    </message>
</context>
</TS>
