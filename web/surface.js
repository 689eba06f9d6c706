// The page's side of the picture areas (web/SurfaceCanvas.cpp works out every
// pixel; this only scales by the device pixel ratio and draws). Each area is
// a bordered element holding two canvases of the same size: `fond` keeps the
// drawing, `dessus` shows the satellite marker and the star, painted again
// at the next animation frame after any change of theirs.
mergeInto(LibraryManager.library, {
  $Orbeline: {
    surfaces: [],
    // Dash patterns in pen widths: dash, then dash-dot-dot.
    tirets: [null, [4, 2], [4, 2, 1, 2, 1, 2]],
    // The star's outline, x and y of each vertex on its design grid (view/pixels.h).
    etoile: [],
    grilleEtoile: [1, 1],
    blanc: '#ffffff',
    bleu: '#0000ff',
    css: function (rgb) { return '#' + (0x1000000 | rgb).toString(16).slice(1); },

    // Sizes both canvases to the current pixel ratio; a drawing already
    // there keeps its place in CSS pixels.
    dimensionne: function (s) {
      const d = window.devicePixelRatio || 1;
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
      s.remplissage = -1;   // resizing resets the context
      s.ctx.fillStyle = Orbeline.blanc;
      s.ctx.fillRect(0, 0, s.fond.width, s.fond.height);
      if (ancien) s.ctx.drawImage(ancien, 0, 0, s.w * d, s.h * d);
      Orbeline.planifie(s);
    },

    // Follows the pixel ratio (zoom, another screen): one query at a time.
    suitRatio: function () {
      matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)').addEventListener('change', function () {
        for (const s of Orbeline.surfaces) Orbeline.dimensionne(s);
        Orbeline.suitRatio();
      }, { once: true });
    },

    trait: function (s, largeur, rgb, style, decalage) {
      const c = s.ctx, l = largeur * s.dpr;
      c.lineWidth = l;
      c.strokeStyle = Orbeline.css(rgb);
      c.setLineDash(style ? Orbeline.tirets[style].map(function (v) { return v * l; }) : []);
      c.lineDashOffset = decalage * l;
      c.lineCap = style ? 'butt' : 'square';
    },

    planifie: function (s) {
      if (s.prevu) return;
      s.prevu = true;
      requestAnimationFrame(function () { Orbeline.peintDessus(s); });
    },

    // The marker, then the star over it, as they stand now.
    peintDessus: function (s) {
      s.prevu = false;
      const c = s.ctxDessus, d = s.dpr;
      c.setTransform(1, 0, 0, 1, 0, 0);
      c.clearRect(0, 0, s.dessus.width, s.dessus.height);
      c.setTransform(d, 0, 0, d, 0, 0);
      const sat = s.controles[0], etoile = s.controles[1];
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
    },
  },

  orbeline_cree_surface__deps: ['$Orbeline'],
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
      controles: [{ visible: 0 }, { visible: 0 }], prevu: false, remplissage: -1,
    };
    s.ctx = s.fond.getContext('2d', { alpha: false });
    s.ctxDessus = s.dessus.getContext('2d');
    cadre.append(s.fond, s.dessus);
    document.getElementById('client').append(cadre);
    Orbeline.dimensionne(s);
    if (Orbeline.surfaces.push(s) === 1) Orbeline.suitRatio();
    return Orbeline.surfaces.length - 1;
  },

  orbeline_forme_etoile__deps: ['$Orbeline'],
  orbeline_forme_etoile: function (xy, sommets, largeur, hauteur) {
    Orbeline.etoile = Array.from(HEAPF64.subarray(xy >> 3, (xy >> 3) + 2 * sommets));
    Orbeline.grilleEtoile = [largeur, hauteur];
  },

  orbeline_efface__deps: ['$Orbeline'],
  orbeline_efface: function (id) {
    const s = Orbeline.surfaces[id];
    s.ctx.fillStyle = Orbeline.blanc;
    s.remplissage = -1;
    s.ctx.fillRect(0, 0, s.fond.width, s.fond.height);
  },

  orbeline_ligne__deps: ['$Orbeline'],
  orbeline_ligne: function (id, x1, y1, x2, y2, largeur, rgb, style, decalage) {
    const s = Orbeline.surfaces[id], c = s.ctx, d = s.dpr;
    Orbeline.trait(s, largeur, rgb, style, decalage);
    c.beginPath();
    c.moveTo(x1 * d, y1 * d);
    c.lineTo(x2 * d, y2 * d);
    c.stroke();
  },

  orbeline_cercle__deps: ['$Orbeline'],
  orbeline_cercle: function (id, x, y, r, largeur, rgb, style, rempli) {
    const s = Orbeline.surfaces[id], c = s.ctx, d = s.dpr;
    c.beginPath();
    c.arc(x * d, y * d, r * d, 0, 2 * Math.PI);
    if (rempli >= 0) {
      c.fillStyle = Orbeline.css(rempli);
      s.remplissage = rempli;
      c.fill();
    }
    Orbeline.trait(s, largeur, rgb, style, 0);
    c.stroke();
  },

  // Thousands a launch: the fill colour is set only when it changes.
  orbeline_carre__deps: ['$Orbeline'],
  orbeline_carre: function (id, gauche, haut, cote, rgb) {
    const s = Orbeline.surfaces[id], d = s.dpr;
    if (s.remplissage !== rgb) {
      s.remplissage = rgb;
      s.ctx.fillStyle = Orbeline.css(rgb);
    }
    const x0 = Math.round(gauche * d), y0 = Math.round(haut * d);
    s.ctx.fillRect(x0, y0, Math.round((gauche + cote) * d) - x0, Math.round((haut + cote) * d) - y0);
  },

  orbeline_controle__deps: ['$Orbeline'],
  orbeline_controle: function (id, n, visible, gauche, haut, largeur, hauteur) {
    const s = Orbeline.surfaces[id];
    s.controles[n] = { visible: visible, x: gauche, y: haut, l: largeur, h: hauteur };
    Orbeline.planifie(s);
  },

  orbeline_repeint__deps: ['$Orbeline'],
  orbeline_repeint: function (id) { Orbeline.planifie(Orbeline.surfaces[id]); },
});
