$$$
NAME: Hazel Nook
$$$
$balloon30$
              $\$
               $\$
       ]P18d5c0d[31m▄▄]P2fbf5e5[42m▀▀▀▀[49m▄▄ ]P15b341b[31m▄]P2b87a4a[42m▀▀[49m]P18d5c0d[31m▄▄▄
     ]P18d5c0d[31m▄]P2fbf5e5[42m▀]P1f0d8a0[31m▄▄██████]P18d5c0d[31m]P25b341b[42m▀]P1ff9db5[31m▄█]P18d5c0d[31m█]P1fbf5e5[31m█]P2f0d8a0[42m▀ ]P18d5c0d[31m▀▀[49m▄▄
    ]P18d5c0d[31m█]P1fbf5e5[31m]P2f0d8a0[42m▀    ]P1e9b04f[31m▄▄▄ ▄]P15b341b[31m█]P1ff9db5[31m██]P1b87a4a[31m█]P28d5c0d[42m▄]P1e9b04f[31m▀]P1f0d8a0[31m▀]P2e9b04f[42m▀▀]P2fbf5e5[42m▄]P1e9b04f[31m▄]P18d5c0d[31m█
   ]P18d5c0d[31m█]P1f0d8a0[31m███]P2e9b04f[42m▀]P18d5c0d[31m▄▄]P2fbf5e5[42m▀▀▀]P2e9b04f[42m▄▄]P2a7663a[42m▀]P1b87a4a[31m▄█]P2121b15[42m▄▀▀▀▀▀▀█]P2bf8a5d[42m▄]P15b341b[31m█
  ]P18d5c0d[31m▄]P2f0d8a0[42m▀ ]P1e9b04f[31m▄]P28d5c0d[42m▀]P1fbf5e5[31m▄]P2f0d8a0[42m▀▀   ]P1e9b04f[31m▄]P18d5c0d[31m█]P1a7663a[31m█]P1b87a4a[31m███]P1121b15[31m█]P2ffffff[42m▀]P23a8a4a[42m▀▀▀▀█]P1b87a4a[31m█]P2bf8a5d[42m▀]P15b341b[31m█
  ]P18d5c0d[31m█]P1f0d8a0[31m█]P1e9b04f[31m█]P18d5c0d[31m█]P1fbf5e5[31m█]P1f0d8a0[31m████]P2e9b04f[42m▀ ]P18d5c0d[31m█]P1a7663a[31m█]P1b87a4a[31m████]P1121b15[31m█]P1ffffff[31m█]P23a8a4a[42m▀]P1121b15[31m██ █]P1b87a4a[31m█]P1bf8a5d[31m█]P15b341b[31m█
 ]P18d5c0d[31m▄]P2e9b04f[42m▀ █]P1fbf5e5[31m█]P1f0d8a0[31m███▀ ]P18d5c0d[31m▄█]P1a7663a[31m█]P1b87a4a[31m█████]P1121b15[31m█]P1ffffff[31m█]P14db458[31m█]P2121b15[42m▄▄]P2ffffff[42m▀]P1121b15[31m█]P1b87a4a[31m██]P2bf8a5d[42m▄]P15b341b[31m█
 ]P18d5c0d[31m█]P1e9b04f[31m█]P18d5c0d[31m█]P1fbf5e5[31m█]P1f0d8a0[31m██]P2e9b04f[42m▀]P18d5c0d[31m▄]P2fbf5e5[42m▀]P1f0d8a0[31m▄]P18d5c0d[31m█]P1a7663a[31m█]P2b87a4a[42m▀      ]P1121b15[31m▀]P2ff9db5[42m▀▀▀]P2b87a4a[42m▀]P15b341b[31m▄ ▀ █
]P18d5c0d[31m█]P1e9b04f[31m█]P18d5c0d[31m█]P1fbf5e5[31m█]P1f0d8a0[31m█]P2e9b04f[42m▀]P18d5c0d[31m▄]P2fbf5e5[42m▀]P1f0d8a0[31m▄█]P2e9b04f[42m▀]P18d5c0d[31m█]P1b87a4a[31m█████]P2a7663a[42m▀]P25b341b[42m▀▀]P1a7663a[31m▀▀▀▀▀[49m▀]P15b341b[31m▀▀▀
]P18d5c0d[31m█]P2fbf5e5[42m▀]P1f0d8a0[31m▄]P2e9b04f[42m▀]P18d5c0d[31m▄]P2fbf5e5[42m▀]P1f0d8a0[31m▄█]P2e9b04f[42m▀]P18d5c0d[31m▄]P2b87a4a[42m▀    ]P1a7663a[31m▀▀██]P15b341b[31m]P2bf8a5d[42m▀[49m▄
]P18d5c0d[31m█]P1f0d8a0[31m]P2e9b04f[42m▀]P18d5c0d[31m▄[49m▀ ]P25b341b[42m▀]P2e9b04f[42m▄▄]P2b87a4a[42m▀           ]P1bf8a5d[31m▀]P25b341b[42m▄[49m]P15b341b[31m▄
