#!/usr/bin/env python3
"""Writes the bundled sample network under data/ (deterministic: same files on every run).

The network: about 160 European towns, the districts of Paris with its urban
modes, the main road, rail, air and sea links between them, a few timetabled
runs, two states of a node accessibility value and an origin-destination flow
table. Coordinates are kilometres of a plain equirectangular projection whose
centre falls at the middle of the start-up view (scale 3, origin 0 / 1100,
picture 350 x 250 mm at 96 dpi).

Usage: genere_donnees_exemple.py [root]   (root defaults to the repository)
"""

import heapq
import math
import os
import sys

# --------------------------------------------------------------------------
# Towns: name, code, population, latitude, longitude, altitude (m).
# French towns carry their department number followed by a rank, the other
# towns their country's telephone prefix followed by a rank.
# --------------------------------------------------------------------------
VILLES = [
    ("PARIS", 751, 2150000, 48.857, 2.352, 35),
    # France
    ("MARSEILLE", 131, 870000, 43.296, 5.370, 12),
    ("LYON", 691, 520000, 45.764, 4.836, 170),
    ("TOULOUSE", 311, 490000, 43.605, 1.444, 146),
    ("NICE", 61, 340000, 43.710, 7.262, 10),
    ("NANTES", 441, 320000, 47.218, -1.554, 8),
    ("MONTPELLIER", 341, 295000, 43.611, 3.877, 27),
    ("STRASBOURG", 671, 285000, 48.573, 7.752, 142),
    ("BORDEAUX", 331, 260000, 44.838, -0.579, 6),
    ("LILLE", 591, 235000, 50.629, 3.057, 20),
    ("RENNES", 351, 220000, 48.117, -1.678, 40),
    ("REIMS", 511, 182000, 49.258, 4.032, 83),
    ("TOULON", 831, 176000, 43.124, 5.928, 5),
    ("SAINT-ÉTIENNE", 421, 173000, 45.440, 4.387, 516),
    ("LE HAVRE", 761, 168000, 49.494, 0.107, 5),
    ("GRENOBLE", 381, 158000, 45.188, 5.724, 212),
    ("DIJON", 211, 158000, 47.322, 5.041, 245),
    ("ANGERS", 491, 155000, 47.478, -0.563, 41),
    ("NÎMES", 301, 150000, 43.837, 4.360, 39),
    ("CLERMONT-FERRAND", 631, 147000, 45.778, 3.087, 400),
    ("AIX-EN-PROVENCE", 132, 145000, 43.530, 5.447, 173),
    ("LE MANS", 721, 143000, 48.006, 0.199, 51),
    ("BREST", 291, 139000, 48.390, -4.486, 52),
    ("TOURS", 371, 136000, 47.394, 0.685, 55),
    ("AMIENS", 801, 134000, 49.894, 2.296, 33),
    ("LIMOGES", 871, 131000, 45.834, 1.261, 290),
    ("ANNECY", 741, 130000, 45.899, 6.129, 448),
    ("PERPIGNAN", 661, 120000, 42.699, 2.895, 30),
    ("METZ", 571, 117000, 49.120, 6.176, 173),
    ("BESANÇON", 251, 117000, 47.238, 6.024, 250),
    ("ORLÉANS", 451, 116000, 47.903, 1.909, 100),
    ("ROUEN", 762, 111000, 49.443, 1.099, 10),
    ("MULHOUSE", 681, 108000, 47.750, 7.336, 240),
    ("CAEN", 141, 106000, 49.183, -0.371, 15),
    ("NANCY", 541, 104000, 48.692, 6.184, 200),
    ("AVIGNON", 841, 91000, 43.949, 4.806, 23),
    ("POITIERS", 861, 89000, 46.580, 0.340, 116),
    ("DUNKERQUE", 592, 87000, 51.034, 2.377, 5),
    ("CHERBOURG", 501, 79000, 49.639, -1.616, 10),
    ("LA ROCHELLE", 171, 77000, 46.160, -1.151, 5),
    ("PAU", 641, 76000, 43.295, -0.370, 200),
    ("CANNES", 62, 74000, 43.552, 7.017, 5),
    ("CALAIS", 621, 72000, 50.951, 1.858, 5),
    ("AJACCIO", 201, 71000, 41.919, 8.738, 20),
    ("BOURGES", 181, 64000, 47.081, 2.399, 150),
    ("VALENCE", 261, 64000, 44.933, 4.892, 126),
    ("TROYES", 101, 62000, 48.297, 4.074, 110),
    ("MONTAUBAN", 821, 61000, 44.018, 1.355, 90),
    ("CHAMBÉRY", 731, 60000, 45.564, 5.918, 270),
    ("NARBONNE", 111, 55000, 43.184, 3.004, 13),
    ("VANNES", 562, 54000, 47.658, -2.760, 20),
    ("BAYONNE", 642, 51000, 43.493, -1.475, 5),
    ("BASTIA", 202, 48000, 42.697, 9.450, 10),
    ("BLOIS", 411, 46000, 47.586, 1.335, 73),
    ("BRIVE-LA-GAILLARDE", 191, 46000, 45.159, 1.533, 142),
    ("CHÂTEAUROUX", 361, 43000, 46.811, 1.691, 155),
    ("ANGOULÊME", 161, 42000, 45.649, 0.156, 100),
    ("CHARTRES", 281, 39000, 48.446, 1.489, 150),
    # United Kingdom and Ireland
    ("LONDRES", 4401, 8900000, 51.507, -0.128, 11),
    ("BIRMINGHAM", 4402, 1140000, 52.486, -1.890, 140),
    ("LEEDS", 4405, 790000, 53.800, -1.549, 63),
    ("GLASGOW", 4406, 630000, 55.864, -4.252, 40),
    ("MANCHESTER", 4403, 550000, 53.480, -2.242, 38),
    ("ÉDIMBOURG", 4407, 520000, 55.953, -3.188, 47),
    ("LIVERPOOL", 4404, 490000, 53.408, -2.991, 70),
    ("BRISTOL", 4408, 470000, 51.455, -2.588, 11),
    ("NEWCASTLE", 4409, 300000, 54.978, -1.618, 30),
    ("SOUTHAMPTON", 4411, 250000, 50.910, -1.404, 5),
    ("PORTSMOUTH", 4412, 210000, 50.820, -1.088, 5),
    ("DOUVRES", 4410, 31000, 51.128, 1.313, 10),
    ("DUBLIN", 35301, 590000, 53.350, -6.260, 20),
    ("CORK", 35302, 210000, 51.899, -8.475, 10),
    # Benelux
    ("BRUXELLES", 3201, 1200000, 50.847, 4.357, 50),
    ("ANVERS", 3202, 530000, 51.219, 4.402, 10),
    ("GAND", 3203, 265000, 51.054, 3.717, 10),
    ("LIÈGE", 3204, 197000, 50.633, 5.567, 70),
    ("OSTENDE", 3206, 71000, 51.216, 2.927, 5),
    ("AMSTERDAM", 3101, 880000, 52.370, 4.895, 0),
    ("ROTTERDAM", 3102, 650000, 51.924, 4.478, 0),
    ("LA HAYE", 3103, 550000, 52.078, 4.288, 1),
    ("UTRECHT", 3104, 360000, 52.091, 5.122, 5),
    ("LUXEMBOURG", 35201, 125000, 49.612, 6.130, 300),
    # Germany
    ("BERLIN", 4901, 3650000, 52.520, 13.405, 34),
    ("HAMBOURG", 4902, 1850000, 53.551, 9.994, 6),
    ("MUNICH", 4903, 1480000, 48.137, 11.575, 519),
    ("COLOGNE", 4904, 1080000, 50.938, 6.960, 53),
    ("FRANCFORT", 4905, 760000, 50.110, 8.682, 112),
    ("STUTTGART", 4906, 630000, 48.776, 9.183, 245),
    ("DÜSSELDORF", 4907, 620000, 51.228, 6.773, 38),
    ("LEIPZIG", 4910, 600000, 51.340, 12.375, 113),
    ("DORTMUND", 4908, 590000, 51.514, 7.465, 86),
    ("BRÊME", 4911, 570000, 53.079, 8.802, 12),
    ("DRESDE", 4912, 555000, 51.050, 13.738, 113),
    ("HANOVRE", 4913, 535000, 52.376, 9.732, 55),
    ("NUREMBERG", 4914, 515000, 49.452, 11.077, 309),
    ("KARLSRUHE", 4916, 310000, 49.007, 8.404, 115),
    ("AIX-LA-CHAPELLE", 4919, 250000, 50.776, 6.084, 173),
    ("FRIBOURG-EN-BRISGAU", 4917, 230000, 47.999, 7.842, 278),
    ("SARREBRUCK", 4915, 180000, 49.240, 6.997, 230),
    # Switzerland and Austria
    ("ZURICH", 4101, 420000, 47.377, 8.541, 408),
    ("GENÈVE", 4102, 200000, 46.204, 6.143, 375),
    ("BÂLE", 4103, 175000, 47.560, 7.589, 260),
    ("LAUSANNE", 4105, 140000, 46.520, 6.633, 495),
    ("BERNE", 4104, 135000, 46.948, 7.447, 540),
    ("VIENNE", 4301, 1900000, 48.208, 16.373, 190),
    ("SALZBOURG", 4302, 155000, 47.809, 13.055, 424),
    ("INNSBRUCK", 4303, 130000, 47.269, 11.404, 574),
    # Italy
    ("ROME", 3901, 2800000, 41.903, 12.496, 21),
    ("MILAN", 3902, 1370000, 45.464, 9.190, 120),
    ("NAPLES", 3903, 910000, 40.852, 14.268, 17),
    ("TURIN", 3904, 850000, 45.070, 7.686, 239),
    ("PALERME", 3905, 630000, 38.116, 13.361, 14),
    ("GÊNES", 3906, 560000, 44.406, 8.934, 20),
    ("BOLOGNE", 3907, 390000, 44.494, 11.343, 54),
    ("FLORENCE", 3908, 370000, 43.770, 11.255, 50),
    ("BARI", 3911, 315000, 41.117, 16.872, 5),
    ("VENISE", 3909, 255000, 45.440, 12.316, 1),
    ("VÉRONE", 3910, 255000, 45.438, 10.992, 59),
    # Iberian peninsula
    ("MADRID", 3401, 3300000, 40.417, -3.704, 657),
    ("BARCELONE", 3402, 1640000, 41.385, 2.173, 12),
    ("VALENCIA", 3403, 800000, 39.470, -0.376, 15),
    ("SÉVILLE", 3404, 690000, 37.389, -5.984, 7),
    ("SARAGOSSE", 3405, 675000, 41.649, -0.889, 199),
    ("MURCIE", 3410, 460000, 37.992, -1.131, 43),
    ("BILBAO", 3406, 345000, 43.263, -2.935, 19),
    ("VALLADOLID", 3408, 300000, 41.652, -4.724, 698),
    ("SAINT-SÉBASTIEN", 3407, 187000, 43.318, -1.981, 10),
    ("LISBONNE", 35101, 545000, 38.722, -9.139, 100),
    ("PORTO", 35102, 230000, 41.150, -8.611, 100),
    # Northern Europe
    ("STOCKHOLM", 4601, 980000, 59.329, 18.069, 20),
    ("OSLO", 4701, 700000, 59.914, 10.752, 20),
    ("HELSINKI", 35801, 660000, 60.170, 24.938, 10),
    ("COPENHAGUE", 4501, 640000, 55.676, 12.568, 10),
    ("GÖTEBORG", 4602, 590000, 57.709, 11.975, 10),
    ("MALMÖ", 4603, 350000, 55.605, 13.004, 10),
    ("RIGA", 37101, 615000, 56.950, 24.106, 10),
    ("VILNIUS", 37001, 590000, 54.687, 25.280, 112),
    ("TALLINN", 37201, 440000, 59.437, 24.754, 10),
    # Central and Eastern Europe
    ("VARSOVIE", 4801, 1790000, 52.230, 21.012, 100),
    ("CRACOVIE", 4802, 780000, 50.065, 19.945, 219),
    ("LODZ", 4806, 670000, 51.759, 19.456, 200),
    ("WROCLAW", 4804, 640000, 51.108, 17.039, 120),
    ("GDANSK", 4803, 470000, 54.352, 18.646, 10),
    ("PRAGUE", 42001, 1300000, 50.075, 14.438, 250),
    ("BRNO", 42002, 380000, 49.195, 16.607, 237),
    ("BRATISLAVA", 42101, 475000, 48.149, 17.107, 140),
    ("BUDAPEST", 3601, 1750000, 47.498, 19.040, 100),
    ("KIEV", 38001, 2950000, 50.450, 30.523, 180),
    ("LVIV", 38002, 720000, 49.839, 24.030, 296),
    ("MINSK", 37501, 2000000, 53.900, 27.567, 220),
    # South-eastern Europe
    ("BUCAREST", 4001, 1800000, 44.426, 26.103, 70),
    ("SOFIA", 35901, 1240000, 42.698, 23.322, 550),
    ("BELGRADE", 38101, 1200000, 44.787, 20.457, 117),
    ("ZAGREB", 38501, 770000, 45.815, 15.982, 158),
    ("LJUBLJANA", 38601, 290000, 46.056, 14.506, 295),
    ("SPLIT", 38502, 160000, 43.508, 16.440, 10),
    ("ATHÈNES", 3001, 660000, 37.984, 23.728, 70),
    ("THESSALONIQUE", 3002, 320000, 40.640, 22.944, 10),
]

# Districts of Paris, the one city given its urban networks: Paris
# arrondissements carry their postcode, the suburbs their department.
QUARTIERS = [
    ("GARE DU NORD", 75010, 85000, 48.8809, 2.3553, 45),
    ("GARE DE LYON", 75012, 140000, 48.8443, 2.3743, 35),
    ("MONTPARNASSE", 75015, 230000, 48.8412, 2.3204, 60),
    ("SAINT-LAZARE", 75008, 36000, 48.8763, 2.3254, 40),
    ("NATION", 75011, 145000, 48.8483, 2.3958, 50),
    ("PORTE D'ITALIE", 75013, 180000, 48.8191, 2.3596, 60),
    ("LA DÉFENSE", 921, 20000, 48.8918, 2.2380, 60),
    ("NANTERRE", 922, 96000, 48.8924, 2.2069, 40),
    ("BOULOGNE-BILLANCOURT", 923, 121000, 48.8397, 2.2399, 35),
    ("ISSY-LES-MOULINEAUX", 924, 68000, 48.8245, 2.2700, 40),
    ("SAINT-DENIS", 931, 113000, 48.9362, 2.3574, 35),
    ("MONTREUIL", 932, 111000, 48.8638, 2.4485, 80),
    ("VINCENNES", 941, 50000, 48.8474, 2.4393, 55),
    ("CRÉTEIL", 942, 92000, 48.7904, 2.4556, 40),
    ("ORLY", 943, 24000, 48.7262, 2.3652, 89),
    ("ROISSY-CDG", 951, 3000, 49.0097, 2.5479, 110),
    ("VERSAILLES", 781, 85000, 48.8049, 2.1204, 130),
]

# Projection: kilometres east and north of a centre that the start-up view
# shows at the middle of its picture.
ECHELLE, ORIGINE_X, ORIGINE_Y = 3.0, 0.0, 1100.0
LARGEUR_PX, HAUTEUR_PX = 350 / 25.4 * 96, 250 / 25.4 * 96
LAT0, LON0 = 48.78, 10.70
KM_LAT = 111.2
KM_LON = KM_LAT * math.cos(math.radians(LAT0))
X0 = (LARGEUR_PX / 2 - ORIGINE_X) * ECHELLE
Y0 = (ORIGINE_Y - HAUTEUR_PX / 2) * ECHELLE


def projette(lat, lon):
    return X0 + (lon - LON0) * KM_LON, Y0 + (lat - LAT0) * KM_LAT


def distance_km(a, b):
    """Great-circle distance between two nodes."""
    p1, p2 = math.radians(a["lat"]), math.radians(b["lat"])
    dp, dl = p2 - p1, math.radians(b["lon"] - a["lon"])
    h = math.sin(dp / 2) ** 2 + math.cos(p1) * math.cos(p2) * math.sin(dl / 2) ** 2
    return 2 * 6371.0 * math.asin(math.sqrt(h))


# --------------------------------------------------------------------------
# Link types: code -> (speed km/h, detour factor of the route over the great
# circle, road-like: present as two arcs for a two-way link, daily capacity,
# gravity coefficient of the daily flow).
# --------------------------------------------------------------------------
TYPES = {
    3: (220, 1.10, False, 60000, 8.0),    # TGV
    31: (120, 1.20, False, 30000, 3.0),    # TGV sur ligne classique
    6: (110, 1.20, True, 90000, 7.0),     # Autoroute
    61: (90, 1.25, True, 45000, 4.0),     # Voie express interurbaine
    63: (65, 1.25, True, 250000, 10.0),    # Voie rapide urbaine
    62: (50, 1.30, True, 30000, 4.0),     # Artère urbaine
    4: (120, 1.20, False, 25000, 2.5),     # Train
    41: (75, 1.20, False, 8000, 1.5),      # TER
    7: (70, 1.25, True, 20000, 2.5),       # Route 70
    71: (60, 1.30, True, 12000, 1.5),      # Route 60
    72: (50, 1.35, True, 8000, 0.8),       # Route 50
    74: (35, 1.30, True, 40000, 4.0),     # Boulevard urbain
    75: (25, 1.35, True, 15000, 2.0),      # Voie urbaine
    811: (8, 1.30, True, 20000, 1.5),      # Bus urbain dense
    812: (15, 1.30, True, 20000, 1.5),     # Bus urbain
    813: (25, 1.30, True, 10000, 1.0),     # Bus sub-urbain
    821: (18, 1.25, True, 150000, 5.0),   # Tramway
    822: (45, 1.20, True, 600000, 15.0),   # Tram sub-urbain (lignes RER)
    2: (28, 1.10, False, 10000, 1.0),      # Ferry (see note below)
    8: (10, 1.20, False, 500000, 15.0),    # Métro
    91: (3, 1.25, True, 5000, 0.3),        # Marche 3
    9: (5, 1.25, True, 5000, 0.3),         # Marche 5
    1: (600, 1.00, False, 8000, 0.6),      # Avion
}
# A crossing at the ferry link type's nominal 5 km/h would take a day for
# the Channel: the sample uses real crossing times, about 28 km/h with the
# boarding included.

# Links: (link type, origin, destination); a road-like link is written in
# both directions unless listed among the one-way links.
LIAISONS = {
    3: [  # lignes à grande vitesse
        ("PARIS", "LILLE"), ("LILLE", "BRUXELLES"), ("LILLE", "CALAIS"), ("CALAIS", "LONDRES"),
        ("BRUXELLES", "COLOGNE"), ("BRUXELLES", "ROTTERDAM"), ("ROTTERDAM", "AMSTERDAM"),
        ("PARIS", "REIMS"), ("REIMS", "METZ"), ("METZ", "STRASBOURG"), ("PARIS", "NANCY"),
        ("PARIS", "LE MANS"), ("LE MANS", "RENNES"), ("LE MANS", "ANGERS"), ("ANGERS", "NANTES"),
        ("PARIS", "TOURS"), ("TOURS", "POITIERS"), ("POITIERS", "ANGOULÊME"), ("ANGOULÊME", "BORDEAUX"),
        ("PARIS", "LYON"), ("PARIS", "DIJON"), ("LYON", "VALENCE"), ("VALENCE", "AVIGNON"),
        ("AVIGNON", "MARSEILLE"), ("AVIGNON", "NÎMES"), ("NÎMES", "MONTPELLIER"),
        ("DIJON", "BESANÇON"), ("BESANÇON", "MULHOUSE"), ("PERPIGNAN", "BARCELONE"),
        ("MADRID", "SARAGOSSE"), ("SARAGOSSE", "BARCELONE"), ("MADRID", "SÉVILLE"),
        ("MADRID", "VALENCIA"), ("MADRID", "VALLADOLID"),
        ("TURIN", "MILAN"), ("MILAN", "BOLOGNE"), ("BOLOGNE", "FLORENCE"), ("FLORENCE", "ROME"),
        ("ROME", "NAPLES"), ("COLOGNE", "FRANCFORT"), ("HANOVRE", "BERLIN"), ("HAMBOURG", "BERLIN"),
        ("BERLIN", "LEIPZIG"), ("LEIPZIG", "NUREMBERG"), ("NUREMBERG", "MUNICH"),
    ],
    31: [  # TGV prolongés sur lignes classiques
        ("LYON", "GRENOBLE"), ("BORDEAUX", "TOULOUSE"), ("MARSEILLE", "NICE"), ("RENNES", "BREST"),
        ("MONTPELLIER", "PERPIGNAN"), ("LYON", "GENÈVE"), ("STRASBOURG", "STUTTGART"),
    ],
    4: [  # grandes lignes classiques
        ("PARIS", "DIJON"), ("DIJON", "LYON"), ("LYON", "AVIGNON"), ("AVIGNON", "MARSEILLE"),
        ("PARIS", "ORLÉANS"), ("ORLÉANS", "CHÂTEAUROUX"), ("CHÂTEAUROUX", "LIMOGES"),
        ("LIMOGES", "BRIVE-LA-GAILLARDE"), ("BRIVE-LA-GAILLARDE", "MONTAUBAN"), ("MONTAUBAN", "TOULOUSE"),
        ("TOULOUSE", "NARBONNE"), ("NARBONNE", "MONTPELLIER"), ("PARIS", "CLERMONT-FERRAND"),
        ("PARIS", "ROUEN"), ("ROUEN", "LE HAVRE"), ("PARIS", "CAEN"), ("CAEN", "CHERBOURG"),
        ("PARIS", "AMIENS"), ("AMIENS", "CALAIS"), ("PARIS", "TROYES"), ("TROYES", "MULHOUSE"),
        ("BORDEAUX", "BAYONNE"), ("BAYONNE", "PAU"), ("PAU", "TOULOUSE"), ("BAYONNE", "SAINT-SÉBASTIEN"),
        ("SAINT-SÉBASTIEN", "BILBAO"), ("BILBAO", "MADRID"), ("BARCELONE", "VALENCIA"), ("VALENCIA", "MURCIE"),
        ("LISBONNE", "PORTO"), ("GENÈVE", "LAUSANNE"), ("LAUSANNE", "BERNE"), ("BERNE", "ZURICH"),
        ("BÂLE", "ZURICH"), ("BÂLE", "BERNE"), ("MULHOUSE", "BÂLE"), ("STRASBOURG", "MULHOUSE"),
        ("STRASBOURG", "KARLSRUHE"), ("KARLSRUHE", "STUTTGART"), ("KARLSRUHE", "FRIBOURG-EN-BRISGAU"),
        ("FRIBOURG-EN-BRISGAU", "BÂLE"), ("KARLSRUHE", "FRANCFORT"), ("STUTTGART", "MUNICH"),
        ("MUNICH", "SALZBOURG"), ("SALZBOURG", "VIENNE"), ("MUNICH", "INNSBRUCK"), ("INNSBRUCK", "VÉRONE"),
        ("VÉRONE", "MILAN"), ("VÉRONE", "VENISE"), ("VENISE", "BOLOGNE"), ("TURIN", "GÊNES"), ("GÊNES", "MILAN"),
        ("GÊNES", "NICE"), ("NAPLES", "BARI"), ("ZURICH", "MILAN"),
        ("VIENNE", "BRATISLAVA"), ("VIENNE", "BUDAPEST"), ("VIENNE", "BRNO"), ("BRNO", "PRAGUE"),
        ("PRAGUE", "DRESDE"), ("DRESDE", "BERLIN"), ("BERLIN", "VARSOVIE"), ("VARSOVIE", "CRACOVIE"),
        ("VARSOVIE", "GDANSK"), ("VARSOVIE", "LODZ"), ("LODZ", "WROCLAW"), ("WROCLAW", "CRACOVIE"),
        ("WROCLAW", "DRESDE"), ("CRACOVIE", "LVIV"), ("LVIV", "KIEV"), ("VARSOVIE", "MINSK"),
        ("MINSK", "VILNIUS"), ("MINSK", "KIEV"), ("VILNIUS", "RIGA"), ("RIGA", "TALLINN"),
        ("HAMBOURG", "BRÊME"), ("HAMBOURG", "HANOVRE"), ("HANOVRE", "DORTMUND"), ("DORTMUND", "DÜSSELDORF"),
        ("DÜSSELDORF", "COLOGNE"), ("COLOGNE", "AIX-LA-CHAPELLE"), ("AIX-LA-CHAPELLE", "LIÈGE"),
        ("LIÈGE", "BRUXELLES"), ("BRUXELLES", "ANVERS"), ("ANVERS", "ROTTERDAM"), ("ROTTERDAM", "LA HAYE"),
        ("LA HAYE", "AMSTERDAM"), ("AMSTERDAM", "UTRECHT"), ("UTRECHT", "COLOGNE"), ("BRUXELLES", "GAND"),
        ("GAND", "OSTENDE"), ("BRUXELLES", "LUXEMBOURG"), ("LUXEMBOURG", "METZ"), ("METZ", "NANCY"),
        ("NANCY", "STRASBOURG"), ("SARREBRUCK", "METZ"), ("SARREBRUCK", "FRANCFORT"),
        ("FRANCFORT", "NUREMBERG"), ("HAMBOURG", "COPENHAGUE"), ("COPENHAGUE", "MALMÖ"),
        ("MALMÖ", "GÖTEBORG"), ("GÖTEBORG", "OSLO"), ("MALMÖ", "STOCKHOLM"), ("GÖTEBORG", "STOCKHOLM"),
        ("LONDRES", "BIRMINGHAM"), ("BIRMINGHAM", "MANCHESTER"), ("MANCHESTER", "LIVERPOOL"),
        ("LONDRES", "LEEDS"), ("LEEDS", "NEWCASTLE"), ("NEWCASTLE", "ÉDIMBOURG"), ("ÉDIMBOURG", "GLASGOW"),
        ("GLASGOW", "MANCHESTER"), ("MANCHESTER", "LEEDS"), ("LONDRES", "BRISTOL"),
        ("LONDRES", "SOUTHAMPTON"), ("SOUTHAMPTON", "PORTSMOUTH"), ("LONDRES", "DOUVRES"), ("DUBLIN", "CORK"),
        ("LJUBLJANA", "ZAGREB"), ("ZAGREB", "BELGRADE"), ("BUDAPEST", "BELGRADE"), ("BELGRADE", "SOFIA"),
        ("SOFIA", "THESSALONIQUE"), ("THESSALONIQUE", "ATHÈNES"), ("BUDAPEST", "BUCAREST"),
        ("SOFIA", "BUCAREST"), ("LJUBLJANA", "VENISE"), ("ZAGREB", "SPLIT"), ("MADRID", "MURCIE"),
    ],
    41: [  # TER
        ("ORLÉANS", "BLOIS"), ("BLOIS", "TOURS"), ("TOURS", "ANGERS"), ("TOURS", "LE MANS"),
        ("ORLÉANS", "BOURGES"), ("BOURGES", "CHÂTEAUROUX"), ("NANTES", "LA ROCHELLE"),
        ("LA ROCHELLE", "POITIERS"), ("RENNES", "VANNES"), ("VANNES", "NANTES"), ("LILLE", "DUNKERQUE"),
        ("LILLE", "CALAIS"), ("LYON", "SAINT-ÉTIENNE"), ("LYON", "CHAMBÉRY"), ("CHAMBÉRY", "ANNECY"),
        ("CHAMBÉRY", "GRENOBLE"), ("GRENOBLE", "VALENCE"), ("DIJON", "TROYES"), ("MARSEILLE", "AIX-EN-PROVENCE"),
        ("MARSEILLE", "TOULON"), ("TOULON", "CANNES"), ("CANNES", "NICE"), ("AMIENS", "ROUEN"),
        ("ROUEN", "CAEN"), ("PARIS", "CHARTRES"), ("CHARTRES", "LE MANS"), ("NANCY", "METZ"),
        ("AJACCIO", "BASTIA"), ("NARBONNE", "PERPIGNAN"), ("AVIGNON", "AIX-EN-PROVENCE"),
    ],
    6: [  # autoroutes
        ("PARIS", "LILLE"), ("PARIS", "TROYES"), ("TROYES", "DIJON"), ("DIJON", "LYON"), ("LYON", "VALENCE"),
        ("VALENCE", "AVIGNON"), ("AVIGNON", "AIX-EN-PROVENCE"), ("AIX-EN-PROVENCE", "MARSEILLE"),
        ("AIX-EN-PROVENCE", "CANNES"), ("CANNES", "NICE"), ("MARSEILLE", "TOULON"), ("AVIGNON", "NÎMES"),
        ("NÎMES", "MONTPELLIER"), ("MONTPELLIER", "NARBONNE"), ("NARBONNE", "PERPIGNAN"),
        ("PERPIGNAN", "BARCELONE"), ("NARBONNE", "TOULOUSE"), ("TOULOUSE", "BORDEAUX"),
        ("TOULOUSE", "MONTAUBAN"), ("BORDEAUX", "POITIERS"), ("POITIERS", "TOURS"), ("TOURS", "BLOIS"),
        ("BLOIS", "ORLÉANS"), ("ORLÉANS", "PARIS"), ("PARIS", "CHARTRES"), ("CHARTRES", "LE MANS"),
        ("LE MANS", "RENNES"), ("LE MANS", "ANGERS"), ("ANGERS", "NANTES"), ("TOURS", "LE MANS"),
        ("TOURS", "ANGERS"), ("PARIS", "ROUEN"), ("ROUEN", "CAEN"), ("ROUEN", "LE HAVRE"),
        ("CAEN", "RENNES"), ("PARIS", "REIMS"), ("REIMS", "METZ"), ("METZ", "STRASBOURG"),
        ("METZ", "NANCY"), ("NANCY", "DIJON"), ("LYON", "SAINT-ÉTIENNE"), ("LYON", "GRENOBLE"),
        ("LYON", "CHAMBÉRY"), ("CHAMBÉRY", "ANNECY"), ("ANNECY", "GENÈVE"), ("CHAMBÉRY", "GRENOBLE"),
        ("ORLÉANS", "BOURGES"), ("BOURGES", "CLERMONT-FERRAND"), ("CLERMONT-FERRAND", "LYON"),
        ("CLERMONT-FERRAND", "SAINT-ÉTIENNE"), ("CLERMONT-FERRAND", "MONTPELLIER"),
        ("CLERMONT-FERRAND", "BRIVE-LA-GAILLARDE"), ("BOURGES", "CHÂTEAUROUX"), ("CHÂTEAUROUX", "LIMOGES"),
        ("LIMOGES", "BRIVE-LA-GAILLARDE"), ("BRIVE-LA-GAILLARDE", "MONTAUBAN"), ("PARIS", "AMIENS"),
        ("AMIENS", "CALAIS"), ("CALAIS", "DUNKERQUE"), ("LILLE", "DUNKERQUE"), ("LILLE", "GAND"),
        ("LILLE", "BRUXELLES"), ("MULHOUSE", "BÂLE"), ("MULHOUSE", "STRASBOURG"), ("MULHOUSE", "BESANÇON"),
        ("BESANÇON", "DIJON"), ("BORDEAUX", "BAYONNE"), ("BAYONNE", "SAINT-SÉBASTIEN"), ("BAYONNE", "PAU"),
        ("PAU", "TOULOUSE"), ("NANTES", "BORDEAUX"), ("GRENOBLE", "VALENCE"),
        ("BRUXELLES", "ANVERS"), ("ANVERS", "ROTTERDAM"), ("ROTTERDAM", "LA HAYE"), ("LA HAYE", "AMSTERDAM"),
        ("AMSTERDAM", "UTRECHT"), ("UTRECHT", "DÜSSELDORF"), ("BRUXELLES", "LIÈGE"),
        ("LIÈGE", "AIX-LA-CHAPELLE"), ("AIX-LA-CHAPELLE", "COLOGNE"), ("COLOGNE", "DÜSSELDORF"),
        ("DÜSSELDORF", "DORTMUND"), ("DORTMUND", "HANOVRE"), ("HANOVRE", "BERLIN"), ("HANOVRE", "HAMBOURG"),
        ("HAMBOURG", "BRÊME"), ("BRÊME", "DORTMUND"), ("HAMBOURG", "BERLIN"), ("BERLIN", "LEIPZIG"),
        ("LEIPZIG", "DRESDE"), ("DRESDE", "PRAGUE"), ("LEIPZIG", "NUREMBERG"), ("NUREMBERG", "MUNICH"),
        ("MUNICH", "STUTTGART"), ("STUTTGART", "KARLSRUHE"), ("KARLSRUHE", "FRIBOURG-EN-BRISGAU"),
        ("FRIBOURG-EN-BRISGAU", "BÂLE"), ("KARLSRUHE", "FRANCFORT"), ("FRANCFORT", "COLOGNE"),
        ("FRANCFORT", "NUREMBERG"), ("SARREBRUCK", "METZ"), ("SARREBRUCK", "KARLSRUHE"),
        ("LUXEMBOURG", "METZ"), ("LUXEMBOURG", "BRUXELLES"), ("BRUXELLES", "GAND"), ("GAND", "OSTENDE"),
        ("MUNICH", "SALZBOURG"), ("SALZBOURG", "VIENNE"), ("MUNICH", "INNSBRUCK"), ("INNSBRUCK", "VÉRONE"),
        ("VÉRONE", "MILAN"), ("VÉRONE", "VENISE"), ("MILAN", "TURIN"), ("MILAN", "BOLOGNE"),
        ("BOLOGNE", "FLORENCE"), ("FLORENCE", "ROME"), ("ROME", "NAPLES"), ("NAPLES", "BARI"),
        ("MILAN", "GÊNES"), ("GÊNES", "NICE"), ("TURIN", "CHAMBÉRY"), ("GENÈVE", "LAUSANNE"),
        ("LAUSANNE", "BERNE"), ("BERNE", "ZURICH"), ("ZURICH", "BÂLE"), ("BERNE", "BÂLE"),
        ("ZURICH", "MILAN"), ("VIENNE", "BRATISLAVA"), ("VIENNE", "BUDAPEST"), ("VIENNE", "BRNO"),
        ("BRNO", "PRAGUE"), ("BRNO", "BRATISLAVA"), ("PRAGUE", "NUREMBERG"), ("BERLIN", "VARSOVIE"),
        ("VARSOVIE", "LODZ"), ("LODZ", "WROCLAW"), ("WROCLAW", "DRESDE"), ("WROCLAW", "CRACOVIE"),
        ("VARSOVIE", "GDANSK"), ("CRACOVIE", "LVIV"), ("ZAGREB", "LJUBLJANA"), ("LJUBLJANA", "VENISE"),
        ("ZAGREB", "BELGRADE"), ("BELGRADE", "BUDAPEST"), ("BUDAPEST", "ZAGREB"), ("ZAGREB", "SPLIT"),
        ("THESSALONIQUE", "ATHÈNES"), ("LONDRES", "BIRMINGHAM"), ("BIRMINGHAM", "MANCHESTER"),
        ("MANCHESTER", "LIVERPOOL"), ("MANCHESTER", "LEEDS"), ("LONDRES", "LEEDS"), ("LEEDS", "NEWCASTLE"),
        ("ÉDIMBOURG", "GLASGOW"), ("GLASGOW", "MANCHESTER"), ("LONDRES", "BRISTOL"),
        ("BIRMINGHAM", "BRISTOL"), ("LONDRES", "SOUTHAMPTON"), ("SOUTHAMPTON", "PORTSMOUTH"),
        ("LONDRES", "DOUVRES"), ("DUBLIN", "CORK"), ("MADRID", "SARAGOSSE"), ("SARAGOSSE", "BARCELONE"),
        ("BARCELONE", "VALENCIA"), ("VALENCIA", "MURCIE"), ("MADRID", "VALENCIA"), ("MADRID", "SÉVILLE"),
        ("MADRID", "VALLADOLID"), ("MADRID", "MURCIE"), ("BILBAO", "SAINT-SÉBASTIEN"),
        ("SARAGOSSE", "BILBAO"), ("VALLADOLID", "BILBAO"), ("MADRID", "LISBONNE"), ("LISBONNE", "PORTO"),
        ("SÉVILLE", "LISBONNE"), ("COPENHAGUE", "MALMÖ"), ("MALMÖ", "GÖTEBORG"), ("GÖTEBORG", "OSLO"),
        ("MALMÖ", "STOCKHOLM"), ("GÖTEBORG", "STOCKHOLM"), ("HAMBOURG", "COPENHAGUE"),
        ("LYON", "GENÈVE"),
    ],
    61: [  # voies express
        ("NANTES", "RENNES"), ("RENNES", "BREST"), ("NANTES", "VANNES"), ("VANNES", "RENNES"),
        ("VANNES", "BREST"), ("CAEN", "CHERBOURG"), ("ANGOULÊME", "POITIERS"), ("ANGOULÊME", "BORDEAUX"),
        ("KIEV", "LVIV"), ("CRACOVIE", "VARSOVIE"), ("BELGRADE", "SOFIA"), ("VALLADOLID", "PORTO"),
    ],
    7: [  # routes nationales
        ("LIMOGES", "POITIERS"), ("LIMOGES", "ANGOULÊME"), ("LA ROCHELLE", "NANTES"),
        ("LA ROCHELLE", "POITIERS"), ("TOURS", "CHÂTEAUROUX"), ("PAU", "SARAGOSSE"),
        ("TOULOUSE", "BARCELONE"), ("GENÈVE", "TURIN"), ("NEWCASTLE", "ÉDIMBOURG"), ("SOFIA", "THESSALONIQUE"),
        ("SOFIA", "BUCAREST"), ("BUCAREST", "BUDAPEST"), ("VARSOVIE", "VILNIUS"), ("VILNIUS", "RIGA"),
        ("RIGA", "TALLINN"), ("VARSOVIE", "MINSK"), ("MINSK", "VILNIUS"), ("MINSK", "KIEV"),
        ("CRACOVIE", "BUDAPEST"), ("SPLIT", "BELGRADE"), ("LA ROCHELLE", "ANGOULÊME"),
    ],
    71: [  # routes départementales
        ("TOURS", "BLOIS"), ("CHÂTEAUROUX", "POITIERS"), ("BESANÇON", "LAUSANNE"),
        ("GRENOBLE", "NICE"), ("SAINT-ÉTIENNE", "VALENCE"), ("GRENOBLE", "TURIN"),
    ],
    72: [  # petites routes
        ("CHARTRES", "ORLÉANS"), ("BLOIS", "CHÂTEAUROUX"), ("AJACCIO", "BASTIA"),
    ],
    2: [  # traversées maritimes
        ("CALAIS", "DOUVRES"), ("CAEN", "PORTSMOUTH"), ("CHERBOURG", "DUBLIN"), ("LIVERPOOL", "DUBLIN"),
        ("MARSEILLE", "AJACCIO"), ("NICE", "BASTIA"), ("TOULON", "AJACCIO"), ("HELSINKI", "TALLINN"),
        ("STOCKHOLM", "HELSINKI"), ("COPENHAGUE", "OSLO"), ("BARCELONE", "GÊNES"), ("NAPLES", "PALERME"),
    ],
    1: [  # lignes aériennes
        ("ROISSY-CDG", "MADRID"), ("ROISSY-CDG", "ROME"), ("ROISSY-CDG", "BERLIN"), ("ROISSY-CDG", "VARSOVIE"),
        ("ROISSY-CDG", "STOCKHOLM"), ("ROISSY-CDG", "ATHÈNES"), ("ROISSY-CDG", "LISBONNE"),
        ("ROISSY-CDG", "HELSINKI"), ("ROISSY-CDG", "BUCAREST"), ("ROISSY-CDG", "KIEV"),
        ("ORLY", "NICE"), ("ORLY", "TOULOUSE"), ("ORLY", "MARSEILLE"), ("ORLY", "AJACCIO"), ("ORLY", "BASTIA"),
        ("ORLY", "BREST"), ("ORLY", "PALERME"), ("LONDRES", "DUBLIN"), ("LONDRES", "MADRID"),
        ("LONDRES", "ÉDIMBOURG"), ("FRANCFORT", "ATHÈNES"), ("MUNICH", "ROME"), ("MADRID", "BARCELONE"),
        ("ROME", "MILAN"), ("ROME", "PALERME"), ("VIENNE", "SOFIA"), ("COPENHAGUE", "HELSINKI"),
    ],
    # Paris: rail rapid transit, metro, trams, buses, streets and walking.
    822: [
        ("PARIS", "LA DÉFENSE"), ("PARIS", "GARE DU NORD"), ("GARE DU NORD", "ROISSY-CDG"),
        ("GARE DU NORD", "SAINT-DENIS"), ("PARIS", "VERSAILLES"), ("GARE DE LYON", "CRÉTEIL"),
        ("LA DÉFENSE", "NANTERRE"), ("NATION", "VINCENNES"),
    ],
    8: [
        ("LA DÉFENSE", "PARIS"), ("PARIS", "GARE DE LYON"), ("GARE DE LYON", "NATION"), ("NATION", "VINCENNES"),
        ("GARE DU NORD", "PARIS"), ("PARIS", "MONTPARNASSE"), ("SAINT-DENIS", "SAINT-LAZARE"),
        ("SAINT-LAZARE", "MONTPARNASSE"), ("SAINT-LAZARE", "PARIS"), ("GARE DE LYON", "PORTE D'ITALIE"),
        ("PORTE D'ITALIE", "ORLY"), ("MONTREUIL", "NATION"), ("NATION", "SAINT-LAZARE"),
        ("SAINT-LAZARE", "BOULOGNE-BILLANCOURT"), ("PORTE D'ITALIE", "PARIS"), ("CRÉTEIL", "PARIS"),
        ("ISSY-LES-MOULINEAUX", "MONTPARNASSE"),
    ],
    821: [
        ("LA DÉFENSE", "ISSY-LES-MOULINEAUX"), ("ISSY-LES-MOULINEAUX", "PORTE D'ITALIE"),
        ("PORTE D'ITALIE", "NATION"), ("SAINT-DENIS", "MONTREUIL"),
    ],
    811: [
        ("PARIS", "GARE DU NORD"), ("PARIS", "SAINT-LAZARE"), ("PARIS", "MONTPARNASSE"),
        ("PARIS", "GARE DE LYON"), ("GARE DE LYON", "NATION"),
    ],
    812: [
        ("NATION", "MONTREUIL"), ("PORTE D'ITALIE", "CRÉTEIL"), ("BOULOGNE-BILLANCOURT", "ISSY-LES-MOULINEAUX"),
        ("NANTERRE", "LA DÉFENSE"), ("SAINT-DENIS", "GARE DU NORD"), ("VINCENNES", "MONTREUIL"),
    ],
    813: [
        ("ORLY", "CRÉTEIL"), ("VERSAILLES", "BOULOGNE-BILLANCOURT"), ("ROISSY-CDG", "SAINT-DENIS"),
    ],
    75: [
        ("PARIS", "GARE DU NORD"), ("GARE DU NORD", "SAINT-LAZARE"), ("SAINT-LAZARE", "PARIS"),
        ("PARIS", "MONTPARNASSE"), ("PARIS", "GARE DE LYON"), ("GARE DE LYON", "NATION"),
        ("NATION", "PARIS"),
    ],
    74: [
        ("GARE DU NORD", "NATION"), ("MONTPARNASSE", "PORTE D'ITALIE"), ("SAINT-LAZARE", "LA DÉFENSE"),
        ("GARE DE LYON", "PORTE D'ITALIE"), ("MONTPARNASSE", "ISSY-LES-MOULINEAUX"),
    ],
    63: [  # boulevard périphérique and urban motorways
        ("PORTE D'ITALIE", "ISSY-LES-MOULINEAUX"), ("ISSY-LES-MOULINEAUX", "BOULOGNE-BILLANCOURT"),
        ("BOULOGNE-BILLANCOURT", "SAINT-DENIS"), ("SAINT-DENIS", "NATION"), ("NATION", "PORTE D'ITALIE"),
        ("LA DÉFENSE", "PARIS"), ("BOULOGNE-BILLANCOURT", "LA DÉFENSE"),
    ],
    62: [
        ("NANTERRE", "LA DÉFENSE"), ("CRÉTEIL", "VINCENNES"), ("MONTREUIL", "VINCENNES"),
        ("VERSAILLES", "ISSY-LES-MOULINEAUX"), ("NANTERRE", "VERSAILLES"),
    ],
    9: [("PARIS", "GARE DE LYON"), ("GARE DE LYON", "NATION")],
    91: [("SAINT-LAZARE", "GARE DU NORD")],
}

# The urban motorways that join the Paris districts to the interurban network.
LIAISONS[6] += [
    ("SAINT-DENIS", "ROISSY-CDG"), ("PORTE D'ITALIE", "ORLY"), ("BOULOGNE-BILLANCOURT", "VERSAILLES"),
    ("NATION", "CRÉTEIL"), ("PARIS", "ROISSY-CDG"), ("PARIS", "ORLY"),
]

# Road-like links present in the direction given only (one-way streets).
SENS_UNIQUE = {
    (75, "PARIS", "GARE DU NORD"), (75, "GARE DU NORD", "SAINT-LAZARE"), (75, "SAINT-LAZARE", "PARIS"),
    (75, "GARE DE LYON", "NATION"), (75, "NATION", "PARIS"), (74, "GARE DE LYON", "PORTE D'ITALIE"),
}

# Timetabled runs: link type, first departure (hhmm), stops; each leg takes
# the time of its link and every intermediate stop lasts a few minutes.
COURSES = [
    (3, "0707", ["PARIS", "LYON", "VALENCE", "AVIGNON", "MARSEILLE"]),
    (3, "0907", ["PARIS", "LYON", "VALENCE", "AVIGNON", "MARSEILLE"]),
    (3, "1604", ["MARSEILLE", "AVIGNON", "VALENCE", "LYON", "PARIS"]),
    (3, "0813", ["PARIS", "LILLE", "CALAIS", "LONDRES"]),
    (3, "1731", ["LONDRES", "CALAIS", "LILLE", "PARIS"]),
    (3, "0655", ["PARIS", "TOURS", "POITIERS", "ANGOULÊME", "BORDEAUX"]),
    (4, "0731", ["PARIS", "ORLÉANS", "CHÂTEAUROUX", "LIMOGES", "BRIVE-LA-GAILLARDE", "MONTAUBAN", "TOULOUSE"]),
    (4, "1402", ["TOULOUSE", "MONTAUBAN", "BRIVE-LA-GAILLARDE", "LIMOGES", "CHÂTEAUROUX", "ORLÉANS", "PARIS"]),
    (41, "0612", ["ORLÉANS", "BLOIS", "TOURS"]),
    (41, "1745", ["TOURS", "BLOIS", "ORLÉANS"]),
    (1, "0705", ["ORLY", "NICE"]),
    (1, "1950", ["NICE", "ORLY"]),
    (813, "0615", ["ORLY", "CRÉTEIL"]),
]
ARRET_MINUTES = 3


def facteur(*cles):
    """A deterministic spread in [0.90, 1.10) so that arcs of one type differ a little."""
    h = 0
    for c in cles:
        h = (h * 1000003 + c) % 2147483647
    return 0.90 + (h * 7919 % 2000) / 10000.0


def hhmm(minutes):
    return (minutes // 60) * 100 + minutes % 60


def minutes_de(hhmm_texte):
    v = int(hhmm_texte)
    return (v // 100) * 60 + v % 100


def construit():
    noeuds = []
    for nom, code, pop, lat, lon, alt in VILLES + QUARTIERS:
        x, y = projette(lat, lon)
        noeuds.append(dict(nom=nom, code=code, pop=pop, lat=lat, lon=lon, x=x, y=y, z=alt / 1000.0))
    par_nom = {n["nom"]: n for n in noeuds}
    assert len(par_nom) == len(noeuds), "noms en double"
    assert len({n["code"] for n in noeuds}) == len(noeuds), "codes en double"

    def troncon(mode, a, b):
        vitesse, detour, _, capacite, gravite = TYPES[mode]
        na, nb = par_nom[a], par_nom[b]
        f = facteur(na["code"], nb["code"], mode)
        longueur = max(0.3, distance_km(na, nb) * detour)
        duree = max(1, round(longueur / (vitesse * f) * 60))
        debit = gravite * math.sqrt(na["pop"] * nb["pop"]) / max(longueur, 1.0)
        debit = int(min(0.9 * capacite, max(50.0, debit)))
        return dict(o=na, d=nb, mode=mode, longueur=round(longueur, 3), duree=duree, dep=0, arr=0,
                    debit=debit, capacite=capacite)

    arcs = []
    for mode, liens in LIAISONS.items():
        routier = TYPES[mode][2]
        for a, b in liens:
            arcs.append(troncon(mode, a, b))
            if routier and (mode, a, b) not in SENS_UNIQUE:
                arcs.append(troncon(mode, b, a))

    for mode, depart, arrets in COURSES:
        t = minutes_de(depart)
        for a, b in zip(arrets, arrets[1:]):
            arc = troncon(mode, a, b)
            place = {3: 510, 4: 400, 41: 220, 1: 180, 813: 90}[mode]
            arc.update(dep=t, arr=t + arc["duree"], capacite=place, debit=int(place * facteur(t, mode) * 0.8))
            assert arc["arr"] < 24 * 60
            arcs.append(arc)
            t = arc["arr"] + ARRET_MINUTES
    return noeuds, arcs


def accessibilites(noeuds, arcs, sans_modes=()):
    """Population-weighted mean of the shortest travel times (minutes) from each node to the towns."""
    voisins = {n["code"]: [] for n in noeuds}
    for a in arcs:
        if a["dep"] or a["mode"] in sans_modes:
            continue
        voisins[a["o"]["code"]].append((a["d"]["code"], a["duree"]))
        if not TYPES[a["mode"]][2]:
            voisins[a["d"]["code"]].append((a["o"]["code"], a["duree"]))
    villes = [n for n in noeuds if n["code"] in {v[1] for v in VILLES}]
    poids = sum(v["pop"] for v in villes)
    resultat = {}
    for n in noeuds:
        temps = {n["code"]: 0}
        file = [(0, n["code"])]
        while file:
            t, c = heapq.heappop(file)
            if t > temps[c]:
                continue
            for v, d in voisins[c]:
                if t + d < temps.get(v, 1 << 30):
                    temps[v] = t + d
                    heapq.heappush(file, (t + d, v))
        manquants = [v["nom"] for v in villes if v["code"] not in temps]
        assert not manquants, f"{n['nom']} n'atteint pas {manquants[:5]}"
        resultat[n["code"]] = sum(temps[v["code"]] * v["pop"] for v in villes) / poids
    return resultat


# --------------------------------------------------------------------------
# Writers: Windows-1252, CR LF, the fixed columns of the program's files.
# --------------------------------------------------------------------------
def ecrit(chemin, lignes):
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    with open(chemin, "wb") as f:
        for l in lignes:
            f.write(l.encode("cp1252") + b"\r\n")


def motif(valeur, entiers, decimales):
    """A number with the pattern "0000.000": leading zeros, '.' as the decimal point."""
    assert valeur >= 0 and valeur < 10 ** entiers, valeur
    if decimales == 0:
        return f"{int(round(valeur)):0{entiers}d}"
    return f"{valeur:0{entiers + 1 + decimales}.{decimales}f}"


def ligne_noeud(n):
    return (f"{n['nom']:<50.50} {motif(n['code'], 10, 0)} {motif(n['pop'], 8, 0)} "
            f"{motif(n['x'], 4, 3)} {motif(n['y'], 4, 3)} {motif(n['z'], 4, 5)}")


def ligne_arc(a):
    return (f"{motif(a['o']['code'], 10, 0)} {motif(a['d']['code'], 10, 0)} {motif(a['mode'], 4, 0)} "
            f"{motif(a['longueur'], 4, 3)} {motif(hhmm(a['duree']), 4, 0)} {motif(hhmm(a['dep']), 4, 0)} "
            f"{motif(hhmm(a['arr']), 4, 0)} 0000000 {motif(a['debit'], 6, 0)} {motif(a['capacite'], 6, 0)} "
            f"{a['o']['nom'][:10]:<10} {a['d']['nom'][:10]:<10}")


def paires_od(noeuds):
    """Daily trips between the largest towns, from a gravity model, in both directions."""
    villes = [n for n in noeuds if n["code"] in {v[1] for v in VILLES}]
    paires = []
    for i, a in enumerate(villes):
        for b in villes[i + 1:]:
            d = max(distance_km(a, b), 20.0)
            paires.append((a["pop"] * b["pop"] / d ** 2 / 1.0e4, a, b))
    paires.sort(key=lambda p: (-p[0], p[1]["code"], p[2]["code"]))
    lignes = []
    for g, a, b in paires[:160]:
        for o, d in ((a, b), (b, a)):
            v = round(g * facteur(o["code"], d["code"]), 1)
            lignes.append((o, d, max(v, 0.5)))
    return lignes


def main():
    racine = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    data = os.path.join(racine, "data")
    noeuds, arcs = construit()

    ecrit(os.path.join(data, "noeuds", "n157eu.dat"), [ligne_noeud(n) for n in noeuds])
    ecrit(os.path.join(data, "arcs", "a157eu01.dat"), [ligne_arc(a) for a in arcs])

    # Node values: accessibility (mean minutes to the towns, weighted by
    # population) with the whole network (final state) and without the
    # high-speed lines (initial state); "code value name" lines.
    final = accessibilites(noeuds, arcs)
    initial = accessibilites(noeuds, arcs, sans_modes=(3, 31))
    ecrit(os.path.join(data, "noeudval", "stm312.dat"),
          [f"{n['code']} {final[n['code']]:.1f} {n['nom']}" for n in noeuds])
    ecrit(os.path.join(data, "noeudval", "stm313.dat"),
          [f"{n['code']} {initial[n['code']]:.1f} {n['nom']}" for n in noeuds])

    # Origin-destination trips: codes right-aligned in columns 1-10 and
    # 12-21, the value right-aligned in columns 40-52 with at least three
    # leading blanks, so that it reads alike as file no. 1 (from column 40)
    # and as file no. 2 (from column 43).
    lignes = []
    for o, d, v in paires_od(noeuds):
        texte = f"{v:13.1f}"
        assert texte[:3] == "   " and v > 0
        lignes.append(f"{o['code']:>10d} {d['code']:>10d}{'':18}{texte}")
    ecrit(os.path.join(data, "arcval", "3ar1279.dat"), lignes)

    ecrit(os.path.join(data, "cartes", "images", "LISEZMOI.txt"), [
        "Dossier des images de KELMO : fonds de carte, images enregistrées",
        "(bitmap et métafichiers). Il est livré vide.",
    ])

    modes = sorted({a["mode"] for a in arcs})
    print(f"{len(noeuds)} noeuds ({len(VILLES)} villes, {len(QUARTIERS)} quartiers de Paris), "
          f"{len(arcs)} arcs, {sum(1 for a in arcs if a['dep'])} arcs horaires, "
          f"{len(lignes)} paires origine-destination, types : {modes}")


if __name__ == "__main__":
    main()
