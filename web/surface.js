// The page's side of the picture areas (web/SurfaceCanvas.cpp works out every
// pixel; this only scales by the device pixel ratio and draws). Each area is
// a bordered element holding two canvases of the same size: `fond` keeps the
// drawing, `dessus` shows the satellite marker and the star, painted again
// once the running task ends after any change of theirs. A printout's
// canvases (`toile`) have only the drawing, at their own fixed ratio.
// State and helpers are entries of their own, as in web/page.js.
mergeInto(LibraryManager.library, {
  // The areas and printouts' canvases by their numbers (`numero`), null where one was freed.
  $surfaces: [],
  $Orbeline: {
    // Dash patterns in pen widths: dash, then dash-dot-dot.
    tirets: [null, [4, 2], [4, 2, 1, 2, 1, 2]],
    // The star's outline, x and y of each vertex on its design grid (view/pixels.h).
    etoile: [],
    grilleEtoile: [1, 1],
    blanc: '#ffffff',
    bleu: '#0000ff',
    ratioMax: 4,
  },

  $css: function (rgb) { return '#' + (0x1000000 | rgb).toString(16).slice(1); },

  // Canvas pixels per CSS pixel: the screen's, times the pinch-zoom's
  // scale, which enlarges the page without changing the screen's. A pinch
  // raises it to Orbeline.ratioMax, 4, at most: an orbit view of 2000 × 2000 pixels.
  $ratioPixels__deps: ['$Orbeline'],
  $ratioPixels: function () {
    const d = window.devicePixelRatio || 1, v = window.visualViewport;
    return Math.max(d, Math.min(d * (v ? v.scale : 1), Orbeline.ratioMax));
  },

  // Sizes both canvases to the current ratio, times the scale the area is
  // shown at (a narrow screen's arrangement). The program draws the area
  // again at the new one from its journal; past the journal's bound, the
  // drawing already there is enlarged to keep its place in CSS pixels.
  $dimensionne__deps: ['$ratioPixels', '$blanchit', '$planifie'],
  $dimensionne: function (s) {
    const d = ratioPixels() * (s.echelle || 1);
    if (s.dpr === d) return;
    let ancien = null;
    if (s.dpr) {
      ancien = document.createElement('canvas');
      ancien.width = s.fond.width;
      ancien.height = s.fond.height;
      ancien.getContext('2d').drawImage(s.fond, 0, 0);
    }
    for (const c of [s.fond, s.dessus]) {
      c.width = Math.ceil(s.w * d);
      c.height = Math.ceil(s.h * d);
      c.style.width = s.w + 'px';
      c.style.height = s.h + 'px';
    }
    s.dpr = d;
    s.dessusPeint = false;   // resizing clears it
    blanchit(s);
    if (ancien && !_page_redessine(s.numero)) s.ctx.drawImage(ancien, 0, 0, s.w * d, s.h * d);
    if (ancien) ancien.width = ancien.height = 0;
    planifie(s);
  },

  $blanchit__deps: ['$Orbeline'],
  $blanchit: function (s) {
    s.remplissage = -1;   // resizing resets the context
    s.police = '';
    s.ancre = -1;
    s.ctx.fillStyle = Orbeline.blanc;
    s.ctx.fillRect(0, 0, s.fond.width, s.fond.height);
  },

  // Follows the ratio: the browser's zoom and another screen change the
  // resolution and the viewport's size, a pinch the visual viewport's
  // scale. The areas are drawn again once the change has settled, not at
  // every step of a pinch.
  $suitRatio__deps: ['$surfaces', '$dimensionne'],
  $suitRatio: function () {
    let attente = 0;
    const suit = function () {
      clearTimeout(attente);
      attente = setTimeout(function () {
        for (const s of surfaces) if (s && !s.toile) dimensionne(s);
      }, 100);
    };
    addEventListener('resize', suit);
    if (window.visualViewport) visualViewport.addEventListener('resize', suit);
    const resolution = function () {
      matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)').addEventListener('change', function () {
        suit();
        resolution();
      }, { once: true });
    };
    resolution();
  },

  // The next free number for a surface.
  $numero__deps: ['$surfaces'],
  $numero: function (s) {
    let n = surfaces.indexOf(null);
    if (n < 0) n = surfaces.push(null) - 1;
    surfaces[n] = s;
    s.numero = n;
    return n;
  },

  $trait__deps: ['$Orbeline', '$css'],
  $trait: function (s, largeur, rgb, style, decalage) {
    const c = s.ctx, l = largeur * s.dpr;
    c.lineWidth = l;
    c.strokeStyle = css(rgb);
    c.setLineDash(style ? Orbeline.tirets[style].map(function (v) { return v * l; }) : []);
    c.lineDashOffset = decalage * l;
    c.lineCap = style ? 'butt' : 'square';
  },

  // Once per task, however many changes it makes: a page shows no frame
  // before the task ends, and asking the browser for an animation frame
  // costs a third of a launch's handler.
  $planifie__deps: ['$peintDessus'],
  $planifie: function (s) {
    if (s.prevu) return;
    s.prevu = true;
    queueMicrotask(function () { peintDessus(s); });
  },

  // The marker, then the star over it, as they stand now.
  $peintDessus__deps: ['$Orbeline', '$css'],
  $peintDessus: function (s) {
    s.prevu = false;
    const sat = s.controles[0], etoile = s.controles[1];
    // Nothing to show on a layer still blank (a chart's, always): its
    // canvas is not even given pixels.
    const rien = !sat.visible && !etoile.visible && !s.fleches[0] && !s.fleches[1];
    if (rien && !s.dessusPeint) return;
    s.dessusPeint = !rien;
    if (!s.ctxDessus) s.ctxDessus = s.dessus.getContext('2d');
    const c = s.ctxDessus, d = s.dpr;
    c.setTransform(1, 0, 0, 1, 0, 0);
    c.clearRect(0, 0, s.dessus.width, s.dessus.height);
    c.setTransform(d, 0, 0, d, 0, 0);
    if (sat.visible) {
      // A disc in the middle of its box, its thin outline inside the box.
      const r = Math.min(sat.l, sat.h) / 2;
      c.beginPath();
      c.arc(sat.x + sat.l / 2, sat.y + sat.h / 2, Math.max(r - 0.5, 0), 0, 2 * Math.PI);
      c.fillStyle = Orbeline.bleu;
      c.fill();
      c.lineWidth = 1;
      c.strokeStyle = '#000000';
      c.stroke();
    }
    if (etoile.visible) {
      // The outline stretched onto the control, not its pixels.
      const p = Orbeline.etoile, kx = etoile.l / Orbeline.grilleEtoile[0], ky = etoile.h / Orbeline.grilleEtoile[1];
      c.beginPath();
      for (let i = 0; i < p.length; i += 2) c.lineTo(etoile.x + p[i] * kx, etoile.y + p[i + 1] * ky);
      c.closePath();
      c.fillStyle = Orbeline.bleu;
      c.fill();
    }
    // The arrows: the shaft, then the head's two barbs, from the program's pixels.
    for (const f of s.fleches) {
      if (!f) continue;
      c.lineWidth = 2;
      c.lineCap = 'round';
      c.strokeStyle = css(f.rgb);
      c.beginPath();
      c.moveTo(f.xy[0], f.xy[1]);
      c.lineTo(f.xy[2], f.xy[3]);
      c.moveTo(f.xy[4], f.xy[5]);
      c.lineTo(f.xy[2], f.xy[3]);
      c.lineTo(f.xy[6], f.xy[7]);
      c.stroke();
    }
  },

  orbeline_cree_surface__deps: ['$dimensionne', '$suitRatio', '$numero'],
  orbeline_cree_surface: function (id, lId, nom, lNom, gauche, haut, w, h, bord) {
    const cadre = document.createElement('div');
    cadre.id = UTF8ToString(id, lId);
    cadre.className = 'picture';
    cadre.setAttribute('role', 'img');
    cadre.setAttribute('aria-label', UTF8ToString(nom, lNom));
    Object.assign(cadre.style, {
      left: gauche + 'px', top: haut + 'px', width: w + 2 * bord + 'px', height: h + 2 * bord + 'px',
      borderWidth: bord + 'px',
    });
    const s = {
      cadre: cadre, w: w, h: h, dpr: 0,
      fond: document.createElement('canvas'), dessus: document.createElement('canvas'),
      controles: [{ visible: 0 }, { visible: 0 }], fleches: [null, null], prevu: false, ctxDessus: null, dessusPeint: false, remplissage: -1, police: '', ancre: -1,
    };
    s.ctx = s.fond.getContext('2d', { alpha: false });
    cadre.append(s.fond, s.dessus);
    document.getElementById('client').append(cadre);
    const n = numero(s);
    dimensionne(s);
    if (n === 0) suitRatio();
    return n;
  },

  // A printout's canvas: w × h CSS px of drawing at a fixed `ratio`, white,
  // in the element `parent`; the program sets its place and size on the page.
  orbeline_cree_toile__deps: ['$blanchit', '$numero'],
  orbeline_cree_toile: function (id, lId, parent, lParent, w, h, ratio) {
    const c = document.createElement('canvas');
    c.id = UTF8ToString(id, lId);
    c.width = w * ratio;
    c.height = h * ratio;
    const s = { fond: c, w: w, h: h, dpr: ratio, toile: true, remplissage: -1, police: '', ancre: -1 };
    s.ctx = c.getContext('2d', { alpha: false });
    blanchit(s);
    document.getElementById(UTF8ToString(parent, lParent)).append(c);
    return numero(s);
  },

  orbeline_libere_toile__deps: ['$surfaces'],
  orbeline_libere_toile: function (id) {
    const s = surfaces[id];
    s.fond.width = s.fond.height = 0;   // its memory goes now, not at the next collection
    s.fond.remove();
    surfaces[id] = null;
  },

  // An area's pixels enlarged onto a printout's canvas, each one a block.
  orbeline_copie_toile__deps: ['$surfaces'],
  orbeline_copie_toile: function (source, cible) {
    const c = surfaces[cible];
    c.ctx.imageSmoothingEnabled = false;
    c.ctx.drawImage(surfaces[source].fond, 0, 0, c.fond.width, c.fond.height);
  },

  orbeline_forme_etoile__deps: ['$Orbeline'],
  orbeline_forme_etoile: function (xy, sommets, largeur, hauteur) {
    Orbeline.etoile = Array.from(HEAPF64.subarray(xy >> 3, (xy >> 3) + 2 * sommets));
    Orbeline.grilleEtoile = [largeur, hauteur];
  },

  orbeline_efface__deps: ['$surfaces', '$blanchit'],
  orbeline_efface: function (id) { blanchit(surfaces[id]); },

  orbeline_ligne__deps: ['$surfaces', '$trait'],
  orbeline_ligne: function (id, x1, y1, x2, y2, largeur, rgb, style, decalage) {
    const s = surfaces[id], c = s.ctx, d = s.dpr;
    trait(s, largeur, rgb, style, decalage);
    c.beginPath();
    c.moveTo(x1 * d, y1 * d);
    c.lineTo(x2 * d, y2 * d);
    c.stroke();
  },

  orbeline_cercle__deps: ['$surfaces', '$css', '$trait'],
  orbeline_cercle: function (id, x, y, r, largeur, rgb, style, rempli) {
    const s = surfaces[id], c = s.ctx, d = s.dpr;
    c.beginPath();
    c.arc(x * d, y * d, r * d, 0, 2 * Math.PI);
    if (rempli >= 0) {
      c.fillStyle = css(rempli);
      s.remplissage = rempli;
      c.fill();
    }
    trait(s, largeur, rgb, style, 0);
    c.stroke();
  },

  // Thousands a launch: the fill colour is set only when it changes.
  orbeline_carre__deps: ['$surfaces', '$css'],
  orbeline_carre: function (id, gauche, haut, cote, rgb) {
    const s = surfaces[id], d = s.dpr;
    if (s.remplissage !== rgb) {
      s.remplissage = rgb;
      s.ctx.fillStyle = css(rgb);
    }
    const x0 = Math.round(gauche * d), y0 = Math.round(haut * d);
    s.ctx.fillRect(x0, y0, Math.round((gauche + cote) * d) - x0, Math.round((haut + cote) * d) - y0);
  },

  // A line of text, its anchor (0 top left, 1 top right, 2 bottom left,
  // 3 bottom right, 4 middle) on the point, in the areas' sans-serif.
  orbeline_texte__deps: ['$surfaces', '$css'],
  orbeline_texte: function (id, x, y, t, l, ancre, corps, rgb) {
    const s = surfaces[id], c = s.ctx, d = s.dpr;
    // The context parses a font or a colour each time it is given one: only when it changes.
    const police = corps * d + 'px Arial, "Liberation Sans", "DejaVu Sans", sans-serif';
    if (s.police !== police) {
      s.police = police;
      c.font = police;
    }
    if (s.ancre !== ancre) {
      s.ancre = ancre;
      c.textAlign = [ 'left', 'right', 'left', 'right', 'center' ][ancre];
      c.textBaseline = [ 'top', 'top', 'bottom', 'bottom', 'middle' ][ancre];
    }
    if (s.remplissage !== rgb) {
      s.remplissage = rgb;
      c.fillStyle = css(rgb);
    }
    c.fillText(UTF8ToString(t, l), x * d, y * d);
  },

  orbeline_fleche__deps: ['$surfaces', '$planifie'],
  orbeline_fleche: function (id, n, visible, xy, rgb) {
    const s = surfaces[id];
    s.fleches[n] = visible ? { xy: Array.from(HEAPF64.subarray(xy >> 3, (xy >> 3) + 8)), rgb: rgb } : null;
    planifie(s);
  },

  orbeline_controle__deps: ['$surfaces', '$planifie'],
  orbeline_controle: function (id, n, visible, gauche, haut, largeur, hauteur) {
    const s = surfaces[id];
    s.controles[n] = { visible: visible, x: gauche, y: haut, l: largeur, h: hauteur };
    planifie(s);
  },

  // The area moved, and shown `echelle` times its size: its canvases get the pixels that size needs.
  orbeline_montre_surface__deps: ['$surfaces', '$dimensionne'],
  orbeline_montre_surface: function (id, gauche, haut, echelle) {
    const s = surfaces[id], c = s.cadre.style;
    c.left = gauche + 'px';
    c.top = haut + 'px';
    c.transform = echelle === 1 ? '' : 'scale(' + echelle + ')';
    c.transformOrigin = echelle === 1 ? '' : '0 0';
    s.echelle = echelle;
    dimensionne(s);
  },

  orbeline_repeint__deps: ['$surfaces', '$planifie'],
  orbeline_repeint: function (id) { planifie(surfaces[id]); },
});
